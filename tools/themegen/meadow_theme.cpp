#include "meadow_theme.h"

#include "meadow_scene.h"
#include "row_layout.h"

ThemePlan meadowThemePlan()
{
    const int width = 480;
    const int height = 360;
    const int groundY = 344;
    const QRect basket(366, 164, 104, 80);

    ThemePlan plan;
    plan.name = "Theme1";
    plan.background = paintMeadowScene(width, height, groundY, basket);
    plan.objects = tubesInRow({{ObjectShape::Ball, 36, 36},
                               {ObjectShape::Star, 40, 38},
                               {ObjectShape::Heart, 38, 34},
                               {ObjectShape::Diamond, 32, 40},
                               {ObjectShape::Triangle, 40, 36},
                               {ObjectShape::Cross, 36, 36}},
                              16, 12, groundY);
    plan.boxStyle = BoxStyle::Basket;
    plan.boxWidth = basket.width();
    plan.boxHeight = basket.height();
    plan.boxX = basket.x();
    plan.boxY = basket.y();
    plan.description =
        "Six toys are playing in the meadow.\r\nLift each one out of its tube and drop it into the basket.";
    plan.dateLine = kShippedDateLine;
    return plan;
}
