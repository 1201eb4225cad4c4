#include "ui/win32/Accessible.h"

#include "ui/win32/Boxes.h"

#include <commctrl.h>
#include <oleacc.h>

namespace {

constexpr UINT_PTR kSubclassId = 2;
// Windows 8's event for live regions; the system headers declare it only for programs that need Windows 8.
constexpr DWORD kLiveRegionChanged = 0x8019;

// Defined here: mingw's import library's symbol makes every query for it fail.
constexpr IID kIAccessible{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// oleacc and oleaut32 are loaded when a client first asks, so that a program that nobody reads starts
// without them.
struct Oleacc {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;

    static const Oleacc& get() {
        static const Oleacc functions = [] {
            Oleacc loaded;
            if (HMODULE oleacc = LoadLibraryW(L"oleacc.dll")) {
                loaded.createStandard = reinterpret_cast<decltype(&CreateStdAccessibleObject)>(
                    reinterpret_cast<void*>(GetProcAddress(oleacc, "CreateStdAccessibleObject")));
                loaded.lresultFromObject = reinterpret_cast<decltype(&LresultFromObject)>(
                    reinterpret_cast<void*>(GetProcAddress(oleacc, "LresultFromObject")));
            }
            if (HMODULE oleaut = LoadLibraryW(L"oleaut32.dll")) {
                loaded.allocString = reinterpret_cast<decltype(&SysAllocString)>(
                    reinterpret_cast<void*>(GetProcAddress(oleaut, "SysAllocString")));
            }
            return loaded;
        }();
        return functions;
    }
    bool ready() const { return createStandard && lresultFromObject && allocString; }
};

// Marks a control as a polite live region for UI Automation's clients, which ask for that property
// before they speak a live region's change (Dynamic Annotation, as documented for Win32 live regions).
// Done once per control, when it first has news, so that starting the program loads no COM.
void markLiveRegion(HWND control) {
    static constexpr wchar_t kMarked[] = L"Bazelot.LiveRegion";
    if (GetPropW(control, kMarked))
        return;
    SetPropW(control, kMarked, reinterpret_cast<HANDLE>(1));
    static const auto ole32 = LoadLibraryW(L"ole32.dll");
    if (!ole32)
        return;
    using Initialize = HRESULT(WINAPI*)(void*, DWORD);
    using Create = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    const auto initialize =
        reinterpret_cast<Initialize>(reinterpret_cast<void*>(GetProcAddress(ole32, "CoInitializeEx")));
    const auto create =
        reinterpret_cast<Create>(reinterpret_cast<void*>(GetProcAddress(ole32, "CoCreateInstance")));
    if (!initialize || !create || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED)))
        return; // COINIT_APARTMENTTHREADED on the window's thread; S_FALSE when already so
    static constexpr CLSID kAccPropServices{
        0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
    static constexpr IID kIAccPropServices{
        0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
    static constexpr GUID kLiveSetting{
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    constexpr LONG kPolite = 1;
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                         reinterpret_cast<void**>(&services)))) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSetting, polite);
        services->Release();
    }
}

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's object for the control, with the name and description asked of the core's speech.
class AccessibleControl final : public IAccessible {
public:
    AccessibleControl(IAccessible* standard, HWND control, Accessible::Speech speech)
        : m_standard(standard)
        , m_control(control)
        , m_speech(speech) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) || IsEqualIID(id, kIAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            m_standard->Release();
            delete this;
        }
        return left;
    }

    // IDispatch
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
        return m_standard->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
    }

    // IAccessible: the name and description of the control itself are the core's.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return isSelf(child) ? speak(false, name) : m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return isSelf(child) ? speak(true, description) : m_standard->get_accDescription(child, description);
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

private:
    HRESULT speak(bool description, BSTR* words) {
        if (!words)
            return E_POINTER;
        *words = nullptr;
        if (!IsWindow(m_control))
            return E_FAIL; // the control is gone; the client still holds this object
        const std::wstring text = m_speech(m_control, description);
        if (text.empty())
            return S_FALSE;
        *words = Oleacc::get().allocString(text.c_str());
        return *words ? S_OK : E_OUTOFMEMORY;
    }

    LONG m_references = 1;
    IAccessible* m_standard;
    HWND m_control;
    Accessible::Speech m_speech;
};

LRESULT answer(HWND control, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR data);

LRESULT CALLBACK accessibleProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    return guarded(GetAncestor(control, GA_ROOT),
                   [&] { return answer(control, message, wParam, lParam, data); });
}

LRESULT answer(HWND control, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR data) {
    if (message == WM_GETOBJECT && static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
        const Oleacc& oleacc = Oleacc::get();
        IAccessible* standard = nullptr;
        if (oleacc.ready() && SUCCEEDED(oleacc.createStandard(control, OBJID_CLIENT, kIAccessible,
                                                              reinterpret_cast<void**>(&standard)))) {
            auto* object =
                new AccessibleControl(standard, control, reinterpret_cast<Accessible::Speech>(data));
            const LRESULT result = oleacc.lresultFromObject(kIAccessible, wParam, object);
            object->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, accessibleProc, kSubclassId);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

namespace Accessible {

void attach(HWND control, Speech speech) {
    SetWindowSubclass(control, accessibleProc, kSubclassId, reinterpret_cast<DWORD_PTR>(speech));
}

void notify(HWND control, Change change) {
    if (change == Change::LiveRegion)
        markLiveRegion(control);
    static constexpr DWORD kEvents[] = {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE,
                                        EVENT_OBJECT_VALUECHANGE, kLiveRegionChanged};
    NotifyWinEvent(kEvents[static_cast<int>(change)], control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace Accessible
