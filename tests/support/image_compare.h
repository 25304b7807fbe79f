#pragma once

class QImage;

// True when both images have the same size and every channel of every pixel differs by at
// most `tolerance`, both compared in the premultiplied format. Converting between straight
// and premultiplied alpha rounds differently on different CPUs (the SIMD path Qt takes),
// so images that went through such a conversion never compare exactly across machines.
bool imagesMatch(const QImage &a, const QImage &b, int tolerance = 1);
