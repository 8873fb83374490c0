#pragma once
// A unified diff of two texts, line by line, so a failed snapshot shows every
// change at once rather than its first line.
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace pelmora::ui::test {

/// "@@ -a,b +c,d @@" hunks with `context` lines around each change; empty
/// when the texts are equal.
inline QString UnifiedDiff(const QStringList& want, const QStringList& got, int context = 3) {
    const int n = static_cast<int>(want.size()), m = static_cast<int>(got.size());
    // Longest common subsequence from the back, so the walk below runs forward.
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (int i = n - 1; i >= 0; --i)
        for (int j = m - 1; j >= 0; --j)
            common[i][j] = want[i] == got[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    struct Op { char kind; int a, b; };  // ' ' both, '-' want only, '+' got only
    std::vector<Op> ops;
    for (int i = 0, j = 0; i < n || j < m;) {
        if (i < n && j < m && want[i] == got[j]) ops.push_back({' ', i++, j++});
        else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) ops.push_back({'-', i++, j});
        else ops.push_back({'+', i, j++});
    }
    QString out;
    for (std::size_t k = 0; k < ops.size();) {
        if (ops[k].kind == ' ') { ++k; continue; }
        // A hunk: `context` lines before its first change and after its last;
        // changes closer than twice that share one.
        const std::size_t begin = k >= static_cast<std::size_t>(context) ? k - context : 0;
        std::size_t last = k;
        for (std::size_t x = k; x < ops.size() && x - last <= static_cast<std::size_t>(2 * context); ++x)
            if (ops[x].kind != ' ') last = x;
        const std::size_t end = std::min(ops.size(), last + 1 + context);
        int wantCount = 0, gotCount = 0;
        QString body;
        for (std::size_t x = begin; x < end; ++x) {
            const Op& o = ops[x];
            if (o.kind != '+') ++wantCount;
            if (o.kind != '-') ++gotCount;
            body += QLatin1Char(o.kind) + (o.kind == '+' ? got[o.b] : want[o.a]) + QLatin1Char('\n');
        }
        out += QStringLiteral("@@ -%1,%2 +%3,%4 @@\n").arg(ops[begin].a + 1).arg(wantCount).arg(ops[begin].b + 1).arg(gotCount) +
               body;
        k = end;
    }
    return out;
}

}  // namespace pelmora::ui::test
