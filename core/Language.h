#pragma once

// The language of a window: the main windows and the About dialogs come in these two.
enum class Language { English, Russian };
