#include "ui/document/document_printing.h"

#include <Qsci/qsciprinter.h>

#include "platform/editor/markloom_editor.h"

namespace markloom {

QAbstractPrintDialog::PrintDialogOptions printDialogOptions(bool hasSelection) {
  QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintPageRange |
                                                     QAbstractPrintDialog::PrintToFile |
                                                     QAbstractPrintDialog::PrintShowPageSize;
  if (hasSelection) options |= QAbstractPrintDialog::PrintSelection;
  return options;
}

bool printDocument(MarkloomEditor& editor, QsciPrinter& printer, bool selectionOnly) {
  printer.setWrapMode(QsciScintilla::WrapWord);
  int from = -1, to = -1;
  if (selectionOnly && editor.hasSelectedText()) {
    int i1, i2;
    editor.getSelection(&from, &i1, &to, &i2);
  }
  return printer.printRange(&editor, from, to) > 0;
}

}  // namespace markloom
