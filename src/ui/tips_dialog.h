// "Tips & Tricks": one tip at a time with "Zurück" and "Weiter" going round them.
// Opened at start-up it offers "Nicht mehr zeigen" and, on closing, moves the
// stored index on so that the next start shows the next tip; opened from the menu
// it writes nothing.
#pragma once

#include <QDialog>
#include <memory>
#include <string_view>

#include "ui/tip_list.h"

class QCheckBox;
class QFrame;

namespace vendarion {

class Messages;
class Settings;

class TipsDialog final : public QDialog {
    Q_OBJECT

public:
    // Null when the tips cannot be shown: no member, or no tip lines. A member that
    // declares no tips is told with 1326 and start-up tips are switched off.
    static std::unique_ptr<TipsDialog> Open(std::string_view member, Settings& settings,
                                            Messages& messages, bool at_startup,
                                            QWidget* parent = nullptr);

    int Index() const { return index_; }
    QString Text() const;
    QCheckBox* DoNotShowAgain() const { return do_not_show_; }
    void Next();
    void Previous();

    void done(int result) override;

private:
    TipsDialog(TipList tips, Settings& settings, bool at_startup, QWidget* parent);

    TipList tips_;
    Settings& settings_;
    bool at_startup_;
    int index_ = 0;
    QFrame* page_ = nullptr;
    QCheckBox* do_not_show_ = nullptr;
};

}  // namespace vendarion
