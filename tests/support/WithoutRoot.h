// Permission tests as an ordinary user, whoever runs them: CI runs as root,
// which every permission check lets through.
#pragma once

#include <functional>
#include <string>

// Runs `body` in a child process that has given up root (it runs as
// "nobody" when started as root, as itself otherwise) and returns what the
// body returned: empty when its expectations held, else what went wrong.
// The child leaves at once after the body, running no clean-up of the
// parent's objects; it must not touch the parent's other threads' work.
std::string RunWithoutRoot(const std::function<std::string()>& body);

// Gives a file or folder to the user the child runs as (nothing to do when
// the tests do not run as root). False when that failed.
bool GiveToChild(const std::string& path);
