// The notice before the first call with the carrier prefix: what is dialled first,
// and that the options can switch it off; "Hinweis nicht mehr zeigen" asks not to be
// told again.
#pragma once

#include <QDialog>

class QCheckBox;

namespace vendarion {

class CarrierNoticeDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CarrierNoticeDialog(QWidget* parent = nullptr);

    // The result code: 2 when cancelled, 7 for OK with the box ticked, else 1.
    int ResultCode() const;
    QCheckBox* DoNotShowAgain() const { return do_not_show_; }

private:
    QCheckBox* do_not_show_ = nullptr;
};

}  // namespace vendarion
