#include "panels/fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts {

namespace {

QFont make(const QStringList &families, qreal points, bool bold)
{
    QFont font(families.constFirst());
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

QFont song(qreal points, bool bold)
{
    static const QStringList families = {u"SimSun"_s, u"宋体"_s, u"AR PL UMing CN"_s};
    return make(families, points, bold);
}

QFont kai(qreal points, bool bold)
{
    static const QStringList families = {u"KaiTi"_s, u"楷体"_s, u"AR PL UKai CN"_s};
    return make(families, points, bold);
}

QFont windowDefault()
{
    return song(9);
}

QFont forRole(FontRole role)
{
    switch (role) {
    case FontRole::Default:
        return windowDefault();
    case FontRole::Song10_5:
        return song(10.5);
    case FontRole::Song15:
        return song(15);
    case FontRole::Song18BoldMagenta:
        return song(18, true);
    case FontRole::Kai18Bold:
        return kai(18, true);
    }
    return windowDefault();
}

} // namespace Fonts
