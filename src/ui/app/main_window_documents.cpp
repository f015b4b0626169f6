// Placeholder until the document window lands: no document can be created yet.
#include "ui/app/main_window.h"

namespace markloom {

TForm2* TForm1::activeDocument() const { return nullptr; }
QList<TForm2*> TForm1::documents() const { return {}; }
TForm2* TForm1::createDocument() { return nullptr; }
TForm2* TForm1::openDocument(const QString&) { return nullptr; }

}  // namespace markloom
