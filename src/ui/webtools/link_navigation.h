#pragma once
// Going from a reported link to where the page writes it.
#include <QString>

class QTreeWidgetItem;

namespace markloom {

class DocumentWindow;

// Puts the caret on the link in document: the occurrence nearest the line of
// its tag (first that line and the lines below, then the lines above), or the
// start of that line when the text is not found (the page changed since).
void goToLink(DocumentWindow* document, const QString& written, int line);

// A results row keeps the link as written and its tag's line for goToLink.
void rememberLink(QTreeWidgetItem* item, const QString& written, int line);
void goToRememberedLink(DocumentWindow* document, const QTreeWidgetItem* item);

}  // namespace markloom
