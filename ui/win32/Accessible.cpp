#include "ui/win32/Accessible.h"

#include "platform/Utf16.h"
#include "ui/win32/Boxes.h"
#include "ui/win32/Subclass.h"

#include <commctrl.h>
#include <oleacc.h>
#include <servprov.h>
#include <uiautomationcore.h>

#include <exception>
#include <new>

namespace {

// Windows 8's event for live regions; the system headers declare it only for programs that need Windows 8.
constexpr DWORD kLiveRegionChanged = 0x8019;

// Defined here: mingw's import library's symbol makes every query for it fail.
constexpr IID kIAccessible{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// UI Automation's values of Windows 10 version 1709, newer than mingw's headers.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantMostRecent = 1;

HMODULE loadSystem(const wchar_t* name) {
    // From the system folder only: none of these is a known DLL that the loader protects.
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

// oleacc, oleaut32 and ole32 are loaded when a client first asks or news first comes, so that a program
// that nobody reads starts without them.
struct Ole {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    decltype(&SysFreeString) freeString = nullptr;
    decltype(&CoInitializeEx) initialize = nullptr;
    decltype(&CoUninitialize) uninitialize = nullptr;
    decltype(&CoCreateInstance) createInstance = nullptr;

    static const Ole& get() {
        static const Ole functions = [] {
            Ole loaded;
            const HMODULE oleacc = loadSystem(L"oleacc.dll");
            loaded.createStandard = lookUp<decltype(createStandard)>(oleacc, "CreateStdAccessibleObject");
            loaded.lresultFromObject = lookUp<decltype(lresultFromObject)>(oleacc, "LresultFromObject");
            const HMODULE oleaut = loadSystem(L"oleaut32.dll");
            loaded.allocString = lookUp<decltype(allocString)>(oleaut, "SysAllocString");
            loaded.freeString = lookUp<decltype(freeString)>(oleaut, "SysFreeString");
            const HMODULE ole32 = loadSystem(L"ole32.dll");
            loaded.initialize = lookUp<decltype(initialize)>(ole32, "CoInitializeEx");
            loaded.uninitialize = lookUp<decltype(uninitialize)>(ole32, "CoUninitialize");
            loaded.createInstance = lookUp<decltype(createInstance)>(ole32, "CoCreateInstance");
            return loaded;
        }();
        return functions;
    }
    bool ready() const {
        return createStandard && lresultFromObject && allocString && freeString && initialize &&
               uninitialize && createInstance;
    }
};

// Whether this thread entered COM here, and so must leave it when its Apartment goes.
thread_local bool t_comEntered = false;

// A single-threaded apartment, as the thread of the windows needs for marshalling its objects to a
// client; entered once and left by Apartment.
bool enterCom() {
    if (t_comEntered)
        return true;
    const Ole& ole = Ole::get();
    if (!ole.ready())
        return false;
    const HRESULT result = ole.initialize(nullptr, COINIT_APARTMENTTHREADED);
    t_comEntered = SUCCEEDED(result); // S_FALSE too: already entered, and to be left as often
    // RPC_E_CHANGED_MODE: someone else put the thread in another apartment, which serves as well.
    return t_comEntered || result == RPC_E_CHANGED_MODE;
}

// Dynamic Annotation's live-region property, for UI Automation's clients, which ask for it before they
// speak a live region's change.
constexpr CLSID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices{0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kLiveSetting{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

template <typename Use>
void withPropServices(Use use) {
    IAccPropServices* services = nullptr;
    if (t_comEntered &&
        SUCCEEDED(Ole::get().createInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                            kIAccPropServices, reinterpret_cast<void**>(&services)))) {
        use(*services);
        services->Release();
    }
}

// What the subclass keeps for one control.
struct SubclassData {
    Accessible::TextLookup texts;
    bool liveRegion = false; // marked as a live region, to be unmarked when the control goes
};

void markLiveRegion(HWND control, SubclassData& data) {
    if (data.liveRegion || !enterCom())
        return;
    data.liveRegion = true;
    withPropServices([control](IAccPropServices& services) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = 1; // Polite
        services.SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSetting, polite);
    });
}

void unmarkLiveRegion(HWND control, const SubclassData& data) {
    if (!data.liveRegion)
        return;
    withPropServices([control](IAccPropServices& services) {
        services.ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &kLiveSetting, 1);
    });
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// No exception may leave a COM method: the client is another program, or the system's marshalling.
template <typename Work>
HRESULT shielded(Work&& work) noexcept {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// The system's object for the control, with the name and description asked of the core's texts. The
// standard object's other interfaces that a screen reader uses are answered here too, so that every
// one of them leads back to this object; any other is the standard object's own.
class AccessibleControl final : public IAccessible,
                                public IEnumVARIANT,
                                public IOleWindow,
                                public IServiceProvider {
public:
    AccessibleControl(IAccessible* standard, HWND control, Accessible::TextLookup texts)
        : m_standard(standard)
        , m_control(control)
        , m_texts(texts) {
        standard->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&m_enumerator));
        standard->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&m_window));
        standard->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&m_services));
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, kIAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (IsEqualIID(id, IID_IEnumVARIANT) && m_enumerator)
            *object = static_cast<IEnumVARIANT*>(this);
        else if (IsEqualIID(id, IID_IOleWindow) && m_window)
            *object = static_cast<IOleWindow*>(this);
        else if (IsEqualIID(id, IID_IServiceProvider) && m_services)
            *object = static_cast<IServiceProvider*>(this);
        else if (IsEqualIID(id, IID_IMarshal) || IsEqualIID(id, IID_IStdMarshalInfo) ||
                 IsEqualIID(id, IID_IExternalConnection) || IsEqualIID(id, IID_IAgileObject) ||
                 IsEqualIID(id, IID_INoMarshal))
            return E_NOINTERFACE; // how this object travels to a client is its own, not the standard's
        else
            return m_standard->QueryInterface(id, object);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            for (IUnknown* held : {static_cast<IUnknown*>(m_enumerator), static_cast<IUnknown*>(m_window),
                                   static_cast<IUnknown*>(m_services), static_cast<IUnknown*>(m_standard)}) {
                if (held)
                    held->Release();
            }
            delete this;
        }
        return left;
    }

    // IDispatch: the type information is the standard object's, the answers are this object's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return m_standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return shielded([&] {
            const bool words = member == DISPID_ACC_NAME || member == DISPID_ACC_DESCRIPTION;
            VARIANT child{};
            if (!words || !(flags & DISPATCH_PROPERTYGET) || !result || !dispatchedChild(parameters, child))
                return m_standard->Invoke(member, id, locale, flags, parameters, result, exception,
                                          argumentError);
            BSTR text = nullptr;
            const HRESULT got =
                member == DISPID_ACC_NAME ? get_accName(child, &text) : get_accDescription(child, &text);
            if (SUCCEEDED(got) && text) {
                result->vt = VT_BSTR;
                result->bstrVal = text;
            }
            return got;
        });
    }

    // IAccessible: the name and description of the control itself are the core's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return isSelf(child) ? coreText(false, name) : m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return isSelf(child) ? coreText(true, description)
                             : m_standard->get_accDescription(child, description);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return m_standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return m_standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_standard->put_accValue(child, value);
    }

    // IEnumVARIANT: the standard object's enumeration of the control's children.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return m_enumerator->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return m_enumerator->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return m_enumerator->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return m_enumerator->Clone(copy); }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return m_window->GetWindow(window); }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return m_window->ContextSensitiveHelp(enter);
    }

    // IServiceProvider: asked for the accessible object itself, a client gets this one.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID id, void** object) override {
        if (IsEqualGUID(service, kIAccessible) &&
            (IsEqualIID(id, kIAccessible) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, IID_IUnknown)))
            return QueryInterface(id, object);
        return m_services->QueryService(service, id, object);
    }

private:
    ~AccessibleControl() = default;

    // The child that a dispatched property get names: none given means the control itself.
    static bool dispatchedChild(const DISPPARAMS* parameters, VARIANT& child) {
        child.vt = VT_I4;
        child.lVal = CHILDID_SELF;
        if (!parameters || parameters->cArgs == 0)
            return true;
        if (parameters->cArgs != 1)
            return false;
        const VARIANT* given = &parameters->rgvarg[0];
        if (given->vt == (VT_BYREF | VT_VARIANT) && given->pvarVal)
            given = given->pvarVal;
        if (given->vt == VT_ERROR && given->scode == DISP_E_PARAMNOTFOUND)
            return true; // an optional argument left out
        if (given->vt != VT_I4)
            return false;
        child.lVal = given->lVal;
        return true;
    }

    HRESULT coreText(bool description, BSTR* words) {
        if (!words)
            return E_POINTER;
        *words = nullptr;
        if (!IsWindow(m_control))
            return E_FAIL; // the control is gone; the client still holds this object
        return shielded([&] {
            const std::wstring text = m_texts(m_control, description);
            if (text.empty())
                return S_FALSE;
            *words = Ole::get().allocString(text.c_str());
            return *words ? S_OK : E_OUTOFMEMORY;
        });
    }

    LONG m_references = 1;
    IAccessible* m_standard;
    IEnumVARIANT* m_enumerator = nullptr;
    IOleWindow* m_window = nullptr;
    IServiceProvider* m_services = nullptr;
    HWND m_control;
    Accessible::TextLookup m_texts;
};

// The control's object for a client's WM_GETOBJECT, or 0 for the system's answer.
LRESULT clientObject(HWND control, WPARAM flags, Accessible::TextLookup texts) {
    const Ole& ole = Ole::get();
    IAccessible* standard = nullptr;
    if (!enterCom() ||
        FAILED(ole.createStandard(control, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&standard))))
        return 0;
    auto* object = new (std::nothrow) AccessibleControl(standard, control, texts);
    if (!object) {
        standard->Release();
        return 0;
    }
    const LRESULT result = ole.lresultFromObject(kIAccessible, flags, static_cast<IAccessible*>(object));
    object->Release();
    return result;
}

// Asks a control's subclass to mark it a live region; registered with the first news, so that nothing of
// it runs at start.
UINT s_markLiveRegion = 0;

LRESULT handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                             const Subclass::Link& link);

LRESULT CALLBACK accessibleProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const Subclass::Link link = Subclass::find(control, accessibleProc);
    // Every message of every control passes here: only three are this subclass's business.
    if (message != WM_GETOBJECT && message != WM_NCDESTROY && (message != s_markLiveRegion || message == 0))
        return link.callNext(control, message, wParam, lParam);
    return guarded(control, [&] { return handleControlMessage(control, message, wParam, lParam, link); });
}

LRESULT handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                             const Subclass::Link& link) {
    auto& data = *static_cast<SubclassData*>(link.data);
    if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
        if (const LRESULT object = clientObject(control, wParam, data.texts))
            return object;
    } else if (message == s_markLiveRegion && message != 0) {
        markLiveRegion(control, data);
        return TRUE;
    } else if (message == WM_NCDESTROY) {
        unmarkLiveRegion(control, data);
        delete &data;
        return Subclass::finish(control, accessibleProc, wParam, lParam);
    }
    return link.callNext(control, message, wParam, lParam);
}

// A UI Automation notification from the window, where the system raises them; false where it does not.
bool raiseNotification(HWND window, int kind, const wchar_t* activity, std::string_view words,
                       const Accessible::Notifier& notifier) {
    if (!notifier.hostProviderFromHwnd || !notifier.raiseNotificationEvent || !enterCom())
        return false;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(notifier.hostProviderFromHwnd(window, &provider)) || !provider)
        return false;
    const Ole& ole = Ole::get();
    BSTR text = ole.allocString(platform::toUtf16(words).c_str());
    BSTR activityId = ole.allocString(activity);
    const bool raised = text && activityId &&
                        SUCCEEDED(notifier.raiseNotificationEvent(
                            provider, kind, kNotificationProcessingImportantMostRecent, text, activityId));
    ole.freeString(text);
    ole.freeString(activityId);
    provider->Release();
    return raised;
}

} // namespace

namespace Accessible {

void attach(HWND control, TextLookup texts) {
    Subclass::install(control, accessibleProc, new SubclassData{texts});
}

const Notifier& Notifier::system() {
    static const Notifier functions = [] {
        Notifier found;
        const HMODULE automation = loadSystem(L"uiautomationcore.dll");
        found.hostProviderFromHwnd =
            lookUp<decltype(found.hostProviderFromHwnd)>(automation, "UiaHostProviderFromHwnd");
        found.raiseNotificationEvent =
            lookUp<decltype(found.raiseNotificationEvent)>(automation, "UiaRaiseNotificationEvent");
        return found;
    }();
    return functions;
}

void announce(HWND window, HWND control, ControlRole about, std::string_view words,
              const Notifier* notifier) {
    // A new result is news of an action completed; a new status supersedes the one before it.
    const bool status = about == ControlRole::Status;
    const bool notified = raiseNotification(
        window, status ? kNotificationKindOther : kNotificationKindActionCompleted,
        status ? L"Bazelot.Status" : L"Bazelot.Result", words, notifier ? *notifier : Notifier::system());
    // MSAA: a client that reads the control finds its new name or value. The status bar's live region
    // tells UI Automation's clients to speak it, where no notification did already: once is enough.
    if (!status) {
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    if (!notified) {
        if (!s_markLiveRegion)
            s_markLiveRegion = RegisterWindowMessageW(L"Bazelot.MarkLiveRegion");
        SendMessageW(control, s_markLiveRegion, 0, 0);
        NotifyWinEvent(kLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
    }
}

Apartment::~Apartment() {
    if (t_comEntered) {
        t_comEntered = false;
        Ole::get().uninitialize();
    }
}

} // namespace Accessible
