#pragma once
// The language names are shown in. The names themselves are the
// catalogue's (shown_names.h); the session's choice is the window's
// (session_language.h), so the choice lives below both.
enum class NameLanguage { English, German };
