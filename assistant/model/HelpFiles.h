// Help pages, shown in the web browser.
#pragma once

#include <string>

// Opens Page ("index.htm" when empty) in the browser, from the help folder of
// the current language when InHelpFolder, else as named. Without a browser
// the user is asked to pick one (No: silent abort); a missing page gives a
// message instead, and so does one the browser did not take (ShowHelpPage).
void OpenHelpFile(std::string Page, bool InHelpFolder);
// Starts the browser on the help page at Path without waiting for it; when
// the browser cannot be started, or ends in failure later, says that the
// page could not be opened.
void ShowHelpPage(const std::string& Path);
