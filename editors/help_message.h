#pragma once

#include <QStringList>

namespace bj {

// The key code the editors' help answers to.
constexpr int kHelpKey = 112;

// A help text: its lines joined by line breaks, an OK button and no icon.
void ShowHelp(const QStringList& lines, const QString& title = QString());

} // namespace bj
