// Texts of the roughness dialog, as GBK bytes (the UTF-8 text stands in each comment).
#pragma once

namespace rough::text {

inline constexpr char kHintA1[] = "a1--\xB4\xD6\xB2\xDA\xB6\xC8\xB8\xDF\xB6\xC8\xB2\xCE\xCA\xFD\xD6\xB5";  // a1--粗糙度高度参数值
inline constexpr char kHintA2[] = "a2--\xB4\xD6\xB2\xDA\xB6\xC8\xB8\xDF\xB6\xC8\xB2\xCE\xCA\xFD\xD6\xB5";  // a2--粗糙度高度参数值
inline constexpr char kHintB[] = "b--\xBC\xD3\xB9\xA4\xB7\xBD\xB7\xA8,\xB6\xC6\xCD\xBF\xBB\xF2\xC6\xE4\xCB\xFC";  // b--加工方法,镀涂或其它
inline constexpr char kHintC[] = "c--\xC8\xA1\xD1\xF9\xB3\xA4\xB6\xC8";  // c--取样长度
inline constexpr char kHintD[] = "d--\xBC\xD3\xB9\xA4\xCE\xC6\xC0\xED";  // d--加工纹理
inline constexpr char kHintE[] = "e--\xBC\xD3\xB9\xA4\xD3\xE0\xC1\xBF";  // e--加工余量
inline constexpr char kShapeBasic[] = "\xBB\xF9\xB1\xBE\xB7\xFB\xBA\xC5";          // 基本符号
inline constexpr char kShapeRemoval[] = "\xC8\xA5\xB3\xFD\xB2\xC4\xC1\xCF";        // 去除材料
inline constexpr char kShapeNoRemoval[] = "\xB2\xBB\xC8\xA5\xB3\xFD\xB2\xC4\xC1\xCF";  // 不去除材料
inline constexpr char kShapeKnee[] = "\xC6\xE4\xD3\xE0";                           // 其余
inline constexpr char kWordRest[] = "\xC6\xE4\xD3\xE0";                            // 其余
inline constexpr char kWordAll[] = "\xCB\xF9\xD3\xD0";                             // 所有

}  // namespace rough::text
