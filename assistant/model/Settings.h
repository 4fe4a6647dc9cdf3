// The settings file "Corvane.ini" in the program folder: sections GUI,
// Options, System, and one section per registered application named by its
// project file's full path. Every read and write goes straight to the file;
// every write replaces the file whole. Encodings: IniValues.h.
#pragma once

#include <memory>
#include <string>

#include "CodeOptions.h"
#include "IniFile.h"

inline constexpr const char* SettingsFileName = "Corvane.ini";

// The one object on ExeDir + "Corvane.ini", opened by the main window at
// start-up and freed at exit.
extern std::unique_ptr<TIniFile> IniFile;
// Opens IniFile. A file that cannot be read, or a write that fails (a
// read-only program folder, say), stops nothing: the user is told once, in
// an error box, with the system's reason; the program goes on with its
// changes kept in memory for the run and leaves the file as it is.
void OpenSettingsFile();

struct TGUIOptions {
  bool MustNotifyAction = true;
  bool ConfirmOverwrite = true;
  bool ShowRelativePath = true;
  bool ShowGuide = true;
};
extern TGUIOptions GUIOptions;

// Keys that the windows read and write themselves, with their defaults.
inline constexpr int DefaultHeaderWidth02 = 420;  // [GUI] HeaderWidth02
inline constexpr int DefaultHeaderWidth03 = 135;  // [GUI] HeaderWidth03
inline constexpr int DefaultHeaderWidth04 = 135;  // [GUI] HeaderWidth04
inline constexpr int DefaultCodeFontSize = 10;    // [GUI] CodeFontSize
// The code font sizes accepted, in points: a size beyond them is unreadable
// or too large for the screen's pixel sizes. The refusal's text names them.
inline constexpr int MinCodeFontSize = 6;
inline constexpr int MaxCodeFontSize = 72;
// [GUI] LastApp: a project file path, empty by default.

// [GUI] Language into the translator's Language, then ShowGuide,
// MustNotifyAction, ConfirmOverwrite and ShowRelativePath into GUIOptions.
void ReadGUIOptions();
// [GUI] Language, ShowGuide (the guide window's visibility now, not the
// option read at start), MustNotifyAction, ConfirmOverwrite, ShowRelativePath.
void WriteGUIOptions(bool GuideVisible);
// [Options] into Options: ExceptLines (1), ReindentAddedCode and
// ReindentRemovedCode (Yes), QuellumVar ("VIX"), PushParams(1) to (5) (Yes).
void ReadCodeOptions(TCodeOptions& Options);
void WriteCodeOptions(const TCodeOptions& Options);
// BrowserPath from and to [System] Navigator (default: DefaultBrowserPath).
void ReadExternalPrograms();
void WriteExternalPrograms();
// [System] Debug is exactly "Kindle".
bool ReadDebugMode();
