#pragma once
// Finding a calculator to start. Windows always has calc.exe; a Linux desktop
// has one of several, or none. The first of CalculatorPrograms() found on
// PATH wins:
//
//   PATH holds galculator and xcalc  -> ".../galculator"
//   PATH holds none of them          -> "" (the command then does nothing)
#include <QString>
#include <QStringList>

// gnome-calculator, kcalc, qalculate-qt, qalculate-gtk, galculator,
// mate-calc, xcalc: the big desktops' own first, the oldest last.
QStringList CalculatorPrograms();

// Full path of the first calculator on PATH, or empty.
QString FindCalculator();
