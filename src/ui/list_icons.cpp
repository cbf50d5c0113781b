#include "ui/list_icons.h"

#include <QApplication>
#include <QStyle>

namespace vendarion {

QIcon ListIcon(ListType type) {
    QStyle::StandardPixmap pixmap = QStyle::SP_FileDialogListView;
    switch (type) {
        case ListType::kNone:
            pixmap = QStyle::SP_ComputerIcon;
            break;
        case ListType::kTowns:
        case ListType::kInternetTowns:
            pixmap = QStyle::SP_DirIcon;
            break;
        case ListType::kTown:
            pixmap = QStyle::SP_DirOpenIcon;
            break;
        case ListType::kNames:
        case ListType::kSurnames:
        case ListType::kInternetSurnames:
            pixmap = QStyle::SP_FileDialogDetailedView;
            break;
        case ListType::kInternet:
            pixmap = QStyle::SP_DriveNetIcon;
            break;
        case ListType::kCountryCodes:
        case ListType::kBankCodes:
            pixmap = QStyle::SP_FileDialogInfoView;
            break;
        case ListType::kPhoneBook:
            pixmap = QStyle::SP_DirHomeIcon;
            break;
        case ListType::kNotes:
            pixmap = QStyle::SP_DesktopIcon;
            break;
        default:
            break;
    }
    return QApplication::style()->standardIcon(pixmap);
}

}  // namespace vendarion
