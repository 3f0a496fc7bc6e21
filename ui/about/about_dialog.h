#pragma once

#include <QDialog>

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

    QPushButton* cmdOK = nullptr;
};

} // namespace quillet::ui
