// Help pages, shown in the web browser.
#pragma once

#include <string>

// Opens Page ("index.htm" when empty) in the browser, from the help folder of
// the current language when InHelpFolder, else as named. Without a browser
// the user is asked to pick one (No: silent abort); a missing page, or one
// the browser did not take, gives a message instead.
void OpenHelpFile(std::string Page, bool InHelpFolder);
