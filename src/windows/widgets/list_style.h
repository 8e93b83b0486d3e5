#pragma once

#include <QProxyStyle>

namespace kelvaro {

// The application's style with the narrow drop-down button of the layout's
// lists, so that their start texts fit the text area.
class ListStyle : public QProxyStyle {
    Q_OBJECT

public:
    ListStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

} // namespace kelvaro
