#include "message_box.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void warns_modally_with_one_ok_button_announced_as_an_alert() {
        QStringList seen;
        QTimer::singleShot(0, this, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
            seen << box->windowTitle() << box->text() << QString::number(box->icon() == QMessageBox::Warning)
                 << QString::number(face->role() == QAccessible::AlertMessage)
                 << face->text(QAccessible::Name) + " / " + face->text(QAccessible::Value) + face->text(QAccessible::Description);
            for (QAbstractButton* button : box->buttons()) seen << button->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        runtime::showWarning(nullptr, QStringLiteral("注意"), QStringLiteral("贷款必须是正数！"));
        QCOMPARE(seen, QStringList({"注意", "贷款必须是正数！", "1", "1", "注意 / 贷款必须是正数！", "确定"}));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
