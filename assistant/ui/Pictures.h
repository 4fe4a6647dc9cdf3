// Every picture of the assistant's windows, drawn once at its first use and
// shared: each window that shows a picture shows the same pixmap. Pictograms
// are 16 x 16 on a transparent background with the drawing inside the central
// 12 x 12 square, so they read alike in a 16-pixel list row and in the colour
// legend's 12 x 12 boxes; each differs from the others in shape as well as in
// colour. Needs the GUI application to exist.
#pragma once

#include <QPixmap>

#include "ImageList.h"

// The scanner window's unit states (imUnits): 0 scanned, 1 errors,
// 2 modified, 3 saved, 4 save error.
const TImageList& UnitPictures();
// The scanner window's routine changes (imProcs): 0 added, 1 updated,
// 2 removed, 3 ignored.
const TImageList& ProcPictures();
// The source-file list's mark of an ignored unit (imBugs, picture 0).
const TImageList& BugPictures();
// The main window's ilAppli: picture 0 is the icon of every window.
const TImageList& AppliPictures();
// The about box's logo, 48 x 48.
const QPixmap& LogoPicture();

// The scanner window's up and down arrows: a black arrow on a transparent
// background; pixel (0, 0) is background and point (5, 5) lies inside the
// arrow, so that a border fill from (5, 5) (FloodFill.h) recolours the whole
// arrow and nothing else.
const QPixmap& ArrowGlyph(bool Up);

// The glyphs of the buttons, 16 x 16, by what the button does. A button
// that produces a pictogram's state shows that pictogram.
enum class TGlyph {
  Accept,      // validate, select
  Cancel,      // cancel an operation or a dialog
  Close,       // close a window
  Save,        // save (the "saved" pictogram)
  Help,        // open help
  Scan,        // scan sources
  Add,         // add code, an application, a file (the "added" pictogram)
  Update,      // update code (the "updated" pictogram)
  Remove,      // remove code, an application, a file (the "removed" pictogram)
  Ignore,      // ignore a routine (the "ignored" pictogram)
  IgnoreUnit,  // include or ignore a unit (the ignored-unit mark)
  Font,        // font size
  AddFolder,   // add a folder to the search path
  Open,        // go to the selected application
  CheckAll,    // tick every file
  UncheckAll,  // untick every file
  Secure,      // secure the ticked files
  Refresh,     // find the files again
};
const QPixmap& Glyph(TGlyph Kind);
