#pragma once
// What a document window needs from the program that holds it: a number for
// its caption, a place in the window list, and the stored settings.
#include <QString>

#include "core/settings/settings_snapshot.h"

namespace markloom {

class DocumentWindow;

class DocumentHost {
 public:
  virtual ~DocumentHost() = default;

  // Every document window created in this run takes the next number, so
  // captions are never reused.
  virtual int nextDocumentNumber() = 0;
  // The window list: entries come with their window's creation and leave
  // when it is destroyed.
  virtual void addToWindowList(const QString& caption, DocumentWindow* window) = 0;
  virtual void removeFromWindowList(DocumentWindow* window) = 0;
  // The settings as last read from the store.
  virtual const SettingsSnapshot& settings() const = 0;
};

}  // namespace markloom
