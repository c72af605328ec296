// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace runtime {

/// A single-line text box that takes text of any length, read by screen readers as
/// installTextBoxAccessibility describes.
/// A box given a face alone keeps it alone while the face has every character of the text;
/// once the user types one it lacks, that character is drawn from another face.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(const QString& text, QWidget* parent = nullptr);

    /// Where the character at `offset` is drawn, in the box's coordinates; empty past the end.
    QRect characterBox(int offset) const;

private:
    void drawFromOtherFacesWhatTheFaceLacks();
};

}  // namespace runtime
