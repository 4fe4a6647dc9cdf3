// The invariants of a scanner that every operation keeps, whatever the text:
// status and text of one length, keyword lists sorted and exact, routines
// all among the keywords, links inside the list.
#pragma once

#include <string>

class TSourceScanner;

// Empty when they all hold, else the first one broken.
std::string BrokenInvariant(const TSourceScanner& S);
