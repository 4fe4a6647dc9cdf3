// The icon every window of the assistant carries: picture 0 of the main
// window's image list, which the main window hands over at its creation.
#pragma once

#include "ImageList.h"

class QWidget;

// The main window's ilAppli (AppliPictures(), Pictures.h); nullptr until set.
extern const TImageList* IconList;

// The window's icon := picture 0 of IconList; nothing while there is none.
void SetFormIcon(QWidget* Form);
