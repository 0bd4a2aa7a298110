#pragma once

class QPainter;

// The meadow's toys, each filling a w x h picture. The painter draws on white without antialiasing.
void paintBall(QPainter& painter, int w, int h);
void paintStar(QPainter& painter, int w, int h);
void paintHeart(QPainter& painter, int w, int h);
void paintDiamond(QPainter& painter, int w, int h);
void paintTriangle(QPainter& painter, int w, int h);
void paintCross(QPainter& painter, int w, int h);
