// What a form file holds, as code: a control's name and its design place.
#pragma once

#include <QString>

// Names the widget and puts it at its design position and size; returns it.
template <class W>
W* Place(W* widget, const char* name, int x, int y, int w, int h) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(x, y, w, h);
  return widget;
}
