// One page of the search assistant: it shows the remembered criteria, stores what
// the user entered into them, judges on entering whether its input lets the user
// go on, and passes Enter and Esc of its own edits on to the frame.
#pragma once

#include <QWidget>

#include "ui/assistant_criteria.h"

class QLabel;

namespace vendarion {

class AssistantFlow;

class AssistantPageWidget : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows the criteria; empty criteria empty the page.
    virtual void Load(const AssistantCriteria& criteria) = 0;
    virtual void Store(AssistantCriteria& criteria) const = 0;
    // The page is shown: it takes what it needs from the flow and reports
    // NextAllowed (the pages that always allow it need not).
    virtual void Enter(const AssistantFlow& flow) { (void)flow; }
    // The control that takes the focus when the page is shown.
    virtual QWidget* FirstControl() const = 0;

signals:
    void NextAllowed(bool allowed);
    // Enter or Esc in an edit that reports them itself.
    void NextRequested();
    void BackRequested();

protected:
    // The page's wrapped text at the top or between its controls.
    QLabel* AddText(int id);
};

}  // namespace vendarion
