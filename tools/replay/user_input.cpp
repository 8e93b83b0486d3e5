#include "user_input.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QTest>

namespace kelvaro {

void UserInput::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void UserInput::chooseFromPopup(QComboBox* combo, int index) {
    combo->showPopup();
    settle();
    QAbstractItemView* view = combo->view();
    const QModelIndex item =
        combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(item);
    settle();
    const QPoint centre = view->visualRect(item).center();
    QTest::mouseMove(view->viewport(), centre);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    settle();
}

} // namespace kelvaro
