#pragma once
// The "WAP Viewer": a small phone-sized window that shows a WML card laid out
// as a phone would, with real widgets. It lays the card out once, when it is
// first shown, and never navigates: a click on a link only says where it leads.
#include <QString>
#include <QWidget>
#include <string>

#include "core/text/text_codec.h"

class QButtonGroup;

namespace markloom {

struct WmlItem;
class QtFontMetrics;

class WmlViewer : public QWidget {
  Q_OBJECT
 public:
  // card: the WML as the document's bytes, read through codec; pictures are
  // looked up in pictureFolder (empty: only absolute paths are found). The
  // viewer opens centred on parent's window and deletes itself when closed.
  WmlViewer(std::string card, TextCodec codec, QString pictureFolder, QWidget* parent = nullptr);
  ~WmlViewer() override;

  // Says where a link leads: "Linking to "target"".
  void showLinkTarget(const QString& target);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void placeOverParent();
  void layOut();
  void addItem(const WmlItem& item, const QtFontMetrics& metrics);

  std::string card_;
  TextCodec codec_;
  QString pictureFolder_;
  QButtonGroup* options_ = nullptr;
  bool laidOut_ = false;
};

}  // namespace markloom
