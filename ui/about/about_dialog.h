#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillet::ui {

// The About box: the product's picture, name and version, where newer versions are
// found, and a notice line. Modeless and fixed in size; it deletes itself when closed,
// so every opening builds it afresh.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    void cmdOK_Click();
    void paint_notices();
    void changeEvent(QEvent* event) override;

    QPushButton* cmdOK = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblDisclaimer = nullptr;
};

} // namespace quillet::ui
