// Text between the models, which read and write UTF-8 std::string, and the controls, which
// show QString.
#pragma once

#include "core/conversions.h"

#include <QString>
#include <string>
#include <string_view>

namespace ui {

inline QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
inline std::string toStdString(const QString& text) { return text.toStdString(); }

// The leading number of a control's text (a caption, a box's text, a Tag), as Val reads it.
inline double Val(const QString& text) { return classic::Val(toStdString(text)); }

} // namespace ui
