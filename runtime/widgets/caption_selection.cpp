// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_selection.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <algorithm>

namespace runtime {

bool CaptionSelection::select(int anchor, int cursor) {
    if (anchor == anchor_ && cursor == cursor_) return false;
    anchor_ = anchor;
    cursor_ = cursor;
    return true;
}

QString CaptionSelection::text(const CaptionLayout& drawn, const QString& caption) const {
    if (isEmpty()) return QString();
    if (drawn.tooLong) return caption.trimmed();
    return drawn.lines->text().mid(std::min(anchor_, cursor_), std::abs(cursor_ - anchor_)).trimmed();
}

QTextLayout::FormatRange CaptionSelection::highlight(const CaptionLayout& drawn, const QPalette& palette) const {
    const int length = end(drawn);
    QTextLayout::FormatRange range;
    range.start = drawn.tooLong ? 0 : std::min(anchor_, cursor_);
    range.length = drawn.tooLong ? length : std::min(std::abs(cursor_ - anchor_), length - range.start);
    range.format.setBackground(palette.brush(QPalette::Highlight));
    range.format.setForeground(palette.brush(QPalette::HighlightedText));
    return range;
}

int CaptionSelection::positionAt(const CaptionLayout& drawn, QPointF point) {
    const QTextLayout& layout = *drawn.lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (point.y() < line.y() + line.height() || i == layout.lineCount() - 1) return line.xToCursor(point.x());
    }
    return 0;
}

QStringView figureIn(QStringView caption) {
    const auto inFigure = [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-'; };
    const auto start = std::find_if(caption.begin(), caption.end(), inFigure);
    return QStringView(start, std::find_if_not(start, caption.end(), inFigure));
}

void copyText(const QString& text, QClipboard::Mode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (text.isEmpty() || (mode == QClipboard::Selection && !clipboard->supportsSelection())) return;
    clipboard->setText(text, mode);
}

void openCopyMenu(QWidget* owner, QPoint globalPosition, bool canCopy, const std::function<void()>& copy, const std::function<void()>& selectAll) {
    const auto item = [](const char* text, QKeySequence::StandardKey key) {
        return QCoreApplication::translate("QWidgetTextControl", text) + QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
    };
    QMenu menu(owner);
    menu.addAction(item("&Copy", QKeySequence::Copy), owner, copy)->setEnabled(canCopy);
    menu.addActions(owner->actions());
    menu.addSeparator();
    menu.addAction(item("Select All", QKeySequence::SelectAll), owner, selectAll);
    menu.exec(globalPosition);
}

}  // namespace runtime
