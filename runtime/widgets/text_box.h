// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace runtime {

/// A single-line text box that takes text of any length, read by screen readers as
/// textBoxAccessible describes.
/// A box given a font without fallback (QFont::NoFontMerging) draws in that face alone while
/// it has every character of the text; once the text holds one it lacks, the box lets Qt draw
/// that one, and any other the face lacks, from another face, from then on.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(const QString& text, QWidget* parent = nullptr);

    /// Where the character at `offset` is drawn, in the box's coordinates; empty past the end.
    QRect characterBox(int offset) const;

    /// Draws the outermost line of the frame in `edge`, or in `focusedEdge` while the box has the
    /// focus, over Fusion's own: for a box drawn in Fusion. Invalid colours leave Fusion's.
    void setEdges(const QColor& edge, const QColor& focusedEdge);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawFromOtherFacesWhatTheFaceLacks();

    QColor edge_, focusedEdge_;
};

}  // namespace runtime
