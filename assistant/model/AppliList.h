// The registered applications, and the one the user works on.
#pragma once

#include <memory>
#include <vector>

#include "Appli.h"
#include "Exceptions.h"

class TAppliList {
 public:
  int Count() const { return static_cast<int>(FApplis.size()); }
  // nullptr outside the list.
  TAppli* GetAppli(int Index) const;
  TAppli* Add(std::unique_ptr<TAppli> Appli);
  // Opens every application whose section of "Corvane.ini" is named by a
  // path, in file order.
  void ReadFromFile();
  // Erases the application's section, deletes its unit-list file (as
  // TAppli::DeleteUnitList does) and frees it; nothing when Index is out of
  // range. The project's files are kept.
  void RemoveAppli(int Index);

 private:
  std::vector<std::unique_ptr<TAppli>> FApplis;
};

// The application the user works on, or none: always an object of its own,
// never an entry of the application list.
extern std::unique_ptr<TAppli> CurrentAppli;

// Stops the current action with the silent abort when no application is current.
void CheckAppli(HOST_RAISE_SITE);
