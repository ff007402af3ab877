// Texts of the dimension style pages, as GBK bytes (the UTF-8 text stands in each comment).
#pragma once

namespace dimstyle::text {

inline constexpr char kKeepZeros[] = "\xB1\xA3\xC1\xF4";          // 保留
inline constexpr char kDropZeros[] = "\xB2\xBB\xB1\xA3\xC1\xF4";  // 不保留
inline constexpr char kArrowHead[] = "\xBC\xFD\xCD\xB7";          // 箭头
inline constexpr char kArrowStroke[] = "\xD0\xB1\xCF\xDF";        // 斜线
inline constexpr char kArrowSingle[] = "\xB5\xA5\xBC\xFD\xCD\xB7";  // 单箭头
inline constexpr char kTabText[] = "\xB1\xEA\xD7\xA2\xCE\xC4\xB1\xBE";  // 标注文本
inline constexpr char kTabLine[] = "\xB3\xDF\xB4\xE7\xCF\xDF";          // 尺寸线

}  // namespace dimstyle::text
