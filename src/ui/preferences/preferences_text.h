#pragma once
// Settings and list files hold text in the local 8-bit encoding, as the store
// and the files give it; the widgets show it as QString.
#include <QString>
#include <string>

namespace markloom::preferences {

inline QString shown(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }
inline std::string stored(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace markloom::preferences
