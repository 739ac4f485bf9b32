#pragma once

// A long table of rows dealt to several CTest tests that run side by side:
// TARNWICK_TEST_SHARD=k/n keeps rows k, k+n, k+2n... (counting from 1) in
// this process. Unset, every row is kept.

#include <QString>

namespace tarnwick::test {

class Shard
{
public:
    Shard()
    {
        const QStringList parts = qEnvironmentVariable("TARNWICK_TEST_SHARD").split(u'/');
        if (parts.size() == 2) {
            const int k = parts[0].toInt();
            const int n = parts[1].toInt();
            if (n > 0 && k >= 1 && k <= n) {
                m_index = k - 1;
                m_count = n;
            }
        }
    }
    // True for the rows this process runs, asked once per row in order.
    bool takes() { return m_row++ % m_count == m_index; }

private:
    int m_index = 0;
    int m_count = 1;
    int m_row = 0;
};

} // namespace tarnwick::test
