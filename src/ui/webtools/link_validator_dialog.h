#pragma once
// The "Link Validator" dialog: checks the links of the active document's saved
// file. Local links are looked up at once; web addresses are fetched on a
// worker thread, many at a time, so the dialog stays responsive, rows appear
// as answers come and end in the table's order. "&Cancel" stops every
// transfer at once. A line under the table tells how many links were
// checked and how many are broken; double-clicking a row goes to its link.
#include <QDialog>
#include <QPointer>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "core/links/link_check.h"
#include "platform/net/http_request.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace markloom {

class DocumentWindow;

class LinkValidatorDialog : public QDialog {
  Q_OBJECT
 public:
  // proxy: the one web addresses are fetched through, if any.
  LinkValidatorDialog(DocumentWindow* document, std::optional<HttpProxy> proxy = std::nullopt,
                      QWidget* parent = nullptr);
  ~LinkValidatorDialog() override;

  bool busy() const;
  QTreeWidget* results() const { return table_; }
  // "12 links checked, 2 broken." (see tallyText); empty before a check.
  QString summary() const;

 signals:
  // A check ran to its end (not cancelled).
  void checkFinished();

 public slots:
  void check();
  void cancel();

 private:
  void showRows();
  void setBusy(bool busy);
  void stopFetching();
  void finishCheck();
  LinkOptions options() const;

  QPointer<DocumentWindow> document_;
  std::optional<HttpProxy> proxy_;
  QCheckBox* hyperlinks_;
  QCheckBox* images_;
  QCheckBox* scripts_;
  QCheckBox* objects_;
  QCheckBox* modern_;
  QPushButton* check_;
  QPushButton* cancel_;
  QTreeWidget* table_;
  QLabel* summary_;
  std::unique_ptr<LinkCheck> run_;
  std::thread fetcher_;
  std::shared_ptr<std::atomic<bool>> stop_;
  int generation_ = 0;  // answers of a cancelled check are dropped
};

}  // namespace markloom
