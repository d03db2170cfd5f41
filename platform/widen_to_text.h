#pragma once
// A caption laid out for its English text keeps its place but grows to the
// right when its text needs more room, as a translation often does ("INPUT"
// becomes "EINGABE"); it never shrinks below its template width.
class QWidget;

void WidenToText(QWidget& control);
