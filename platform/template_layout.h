#pragma once
// Controls placed on a window template's grid, whose texts are never cut.
//
// PlaceAtTemplate puts a control at its template rectangle (dialog units)
// and names it. Once every control of a surface is placed, FitTexts gives
// each caption (label, push button, check box, radio button, frame title)
// the width its text needs, in whatever language and font:
//
//   "Add"  [Add ]          "Hinzufügen"  [Hinzufügen]
//   (Existing category) [list v] [Remove]
//   (Bestehende Kategorie) [list v] [Entfernen]   <- the list and the button
//                                                   move right by as much
//
// A caption grows to the right; the controls after it on its line move by
// as much as it grew, keeping their gaps; a frame around them widens to keep
// its margin, and frames that ended together still do. Controls that were one
// column (the same left and right edges) stay one, the narrower widening to
// the wider; controls that only ended together still end together, and a
// label stays beside the control it is the buddy of when that moves:
//
//   [x] Beim Start die zuletzt benutzte Kategorie wiederherstellen
//   [x] Wechselkurse herunterladen        <- keeps its left edge
//
// A caption that fits changes nothing, so a template laid out for its
// English texts keeps its geometry.
//
// WidenAt makes a surface wider as a layout's stretch would: it opens a strip
// at one x, so a wider window (a sheet widened by another page's longer
// texts, lists widened for longer names) has no empty strip on its right.
#include <QRect>
#include <QWidget>

#include "dialog_units.h"

// `dialogUnits` is the template's rectangle; the control keeps it, so that
// FitTexts knows which edges the template put together, whatever pixel each
// one was rounded to.
void PlaceAtTemplate(QWidget& control, const char* name, const DialogUnits& units,
                     const QRect& dialogUnits);

template <typename Control>
Control* PlaceAtTemplate(Control* control, const char* name, const DialogUnits& units, int x, int y,
                         int width, int height) {
    PlaceAtTemplate(*control, name, units, QRect(x, y, width, height));
    return control;
}

// The width `control`'s caption needs, 0 for a control without one (a field,
// a list, a label that wraps its words).
int CaptionWidth(const QWidget& control);

// Rearranges `surface`'s children as above. Returns how many pixels wider
// the surface must be to hold them.
int FitTexts(QWidget& surface);

// Opens a strip `pixels` wide at `x` of `surface`: a child that starts at or
// after x moves right by `pixels`, one that reaches across x widens by them,
// and a label stays beside the control it is the buddy of:
//
//   x = 60, pixels = 20:   [frame 10..200]  -> [frame 10..220]
//                          (Label 70..90)[Combo 95..140] -> both 20 to the right
//                          [list 10..50]    -> unchanged
void WidenAt(QWidget& surface, int x, int pixels);
