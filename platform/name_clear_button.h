#pragma once
// A line edit's clear button (setClearButtonEnabled) is a tool button
// without a text: a screen reader announces it as "button" and nothing else.
// This gives it a name.
class QLineEdit;
class QString;

void NameClearButton(QLineEdit& field, const QString& name);
