#pragma once
// Printing a document with the editor's own printer.
#include <QAbstractPrintDialog>

class QsciPrinter;

namespace markloom {

class MarkloomEditor;

// The print dialog's options: "print selection" only when text is selected.
QAbstractPrintDialog::PrintDialogOptions printDialogOptions(bool hasSelection);
// Prints the text, or the lines of the selection when selectionOnly; false when
// the printer could not start.
bool printDocument(MarkloomEditor& editor, QsciPrinter& printer, bool selectionOnly);

}  // namespace markloom
