#pragma once
// Messages the menu shows that don't come from an error of the menu data: the
// two start-up failures that end the program, and what a program's entry shows
// when its files are missing. The checker quotes them as the menu shows them.

namespace pandor {

// A message box with the caption "Debug": the definition files are missing.
constexpr const char* kMissingFilesText = "Autostarten fehlgeschlagen filelist.dat oder options.dat niet gevonden";
constexpr const char* kMissingFilesCaption = "Debug";
// The message dialog for a settings file whose first line isn't the version.
constexpr const char* kWrongVersionText = "Fehler!\r\rDie Datei \"options.dat\" liegt in falscher Version vor!";
// The description box for a program without a description file.
constexpr const char* kNoDescriptionText = "Keine Infos vorhanden";
// The message dialog when neither the installed copy nor the run file starts.
constexpr const char* kStartFailedText = "Fehler: Datei nicht gefunden! Starten Sie menubau.exe.";

}  // namespace pandor
