#include "ui/common/dialog_kit.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace markloom::builders {

QStringList qsList(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) out << qs(item);
  return out;
}

OkCancel addOkCancel(QDialog* dialog, QBoxLayout* layout, const QString& okName, const QString& cancelName) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  auto* ok = new QPushButton(QStringLiteral("&OK"), dialog);
  ok->setObjectName(okName);
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
  cancel->setObjectName(cancelName);
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  return {ok, cancel};
}

}  // namespace markloom::builders
