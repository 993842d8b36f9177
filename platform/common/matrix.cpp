// Row-vector 4x4 matrices: a point p maps to p * M, translation in the last row.
#include "platform/platform.h"

#include <cmath>

namespace plat {

Matrix MatrixIdentity() {
    Matrix r{};
    for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
    return r;
}

Matrix MatrixTranslation(float x, float y, float z) {
    Matrix r = MatrixIdentity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix MatrixScaling(float sx, float sy, float sz) {
    Matrix r{};
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    r.m[3][3] = 1.0f;
    return r;
}

Matrix MatrixReflectX() {
    Matrix r = MatrixIdentity();
    r.m[0][0] = -1.0f;
    return r;
}

Matrix MatrixRotationZ(float radians) {
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    Matrix r = MatrixIdentity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
    // Row by row, each element summed in the order k = 0..3 from 0, as the
    // plain triple loop does (the same bits), in a form that the compiler
    // works four lanes at a time.
    Matrix r;
    for (int i = 0; i < 4; ++i) {
        float row[4];
        for (int j = 0; j < 4; ++j) row[j] = 0.0f + a.m[i][0] * b.m[0][j];
        for (int k = 1; k < 4; ++k)
            for (int j = 0; j < 4; ++j) row[j] += a.m[i][k] * b.m[k][j];
        for (int j = 0; j < 4; ++j) r.m[i][j] = row[j];
    }
    return r;
}

void MatrixTransformPoint(const Matrix& m, float x, float y, float* outX, float* outY) {
    // z = 0, w = 1; sprites never carry a projective row, so no divide.
    const float tx = x * m.m[0][0] + y * m.m[1][0] + m.m[3][0];
    const float ty = x * m.m[0][1] + y * m.m[1][1] + m.m[3][1];
    if (outX) *outX = tx;
    if (outY) *outY = ty;
}

}  // namespace plat
