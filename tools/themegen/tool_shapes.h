#pragma once

class QPainter;

// The workshop's pieces, each filling a w x h picture. The painter draws on white without antialiasing.
void paintNut(QPainter& painter, int w, int h);
void paintWasher(QPainter& painter, int w, int h);
void paintGear(QPainter& painter, int w, int h);
void paintBolt(QPainter& painter, int w, int h);
void paintKey(QPainter& painter, int w, int h);
void paintWrench(QPainter& painter, int w, int h);
void paintHammer(QPainter& painter, int w, int h);
void paintScrewdriver(QPainter& painter, int w, int h);
void paintSetSquare(QPainter& painter, int w, int h);
void paintLightning(QPainter& painter, int w, int h);
void paintMagnet(QPainter& painter, int w, int h);
void paintCrescent(QPainter& painter, int w, int h);
