#pragma once
// Where the search service is found on the session bus. The bus name is
// the one the activation file starts the program for; each desktop's file
// names its object path.
inline constexpr const char* SearchBusName = "org.example.Mezura.SearchProvider";
inline constexpr const char* GnomeProviderPath = "/org/example/Mezura/SearchProvider";
inline constexpr const char* KRunnerPath = "/org/example/Mezura/Runner";
