#pragma once

// Random contact and coil networks in the grid notation of GridBuilder: series and parallel
// blocks nested at random, normally open and closed contacts on inputs X000.0-X001.7 and on the
// coils of the program, one coil per network and at random parallel coils hung below it on links
// in column 6. Horizontal lines stand now and then where a contact would, also in parallel with
// contacts (a contact they bypass is shorted), a network may have no contact at all, and a
// parallel coil's line may hold a contact under the last cell of the first line. Drawn from any
// source of numbers (a seeded generator in tests, the input bytes in the fuzz target), so one
// generator serves both.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace rungpad::test {

class RandomNetwork {
  public:
    // next(n) gives a number in 0 .. n-1; depth bounds the nesting of series and parallel blocks.
    explicit RandomNetwork(std::function<int(int)> next, int depth = 4)
        : m_next(std::move(next)), m_depth(depth) {}

    // A program body of networks networks, separated by empty lines.
    std::vector<std::string> Program(int networks) {
        std::vector<std::string> lines;
        m_coils = 0;
        for (int i = 0; i < networks; ++i) {
            if (i > 0) {
                lines.emplace_back();
            }
            const std::vector<std::string> network = Network();
            lines.insert(lines.end(), network.begin(), network.end());
        }
        return lines;
    }

    // Every coil address the last Program used.
    std::vector<std::string> Coils() const {
        std::vector<std::string> coils;
        for (int i = 0; i < m_coils; ++i) {
            coils.push_back(CoilAddress(i));
        }
        return coils;
    }

  private:
    struct Block {
        int width = 0;
        std::vector<std::vector<std::string>> rows;  // tokens without links
        std::vector<std::vector<bool>> links;        // a link at the right edge of the cell
        std::vector<bool> leftLinks;                 // links the block needs left of its column 0
    };

    static std::string CoilAddress(int i) {
        return "R2" + std::to_string(i / 8 / 10) + std::to_string(i / 8 % 10) + "." +
               std::to_string(i % 8);
    }

    std::string Contact() {
        std::string address;
        if (m_coils > 0 && m_next(4) == 0) {
            address = CoilAddress(m_next(m_coils + 1) % std::max(m_coils, 1));
        } else {
            const int bit = m_next(16);
            address = "X00" + std::to_string(bit / 8) + "." + std::to_string(bit % 8);
        }
        return (m_next(3) == 0 ? "/" : "") + address;
    }

    Block Leaf() { return Cell(m_next(30) == 0 ? "-" : Contact()); }

    static Block Cell(std::string token) {
        Block b;
        b.width = 1;
        b.rows = {{std::move(token)}};
        b.links = {{false}};
        b.leftLinks = {false};
        return b;
    }

    // Row 0 grows by horizontal lines, or by contacts in series.
    void Widen(Block& b, int width, bool contacts) {
        for (std::size_t r = 0; r < b.rows.size(); ++r) {
            while (static_cast<int>(b.rows[r].size()) < width) {
                b.rows[r].push_back(r != 0 ? "." : contacts ? Contact() : "-");
                b.links[r].push_back(false);
            }
        }
        b.width = width;
    }

    static void Deepen(Block& b, std::size_t height) {
        while (b.rows.size() < height) {
            b.rows.emplace_back(static_cast<std::size_t>(b.width), ".");
            b.links.emplace_back(static_cast<std::size_t>(b.width), false);
            b.leftLinks.push_back(false);
        }
    }

    static Block Series(Block a, Block b) {
        const std::size_t height = std::max(a.rows.size(), b.rows.size());
        Deepen(a, height);
        Deepen(b, height);
        for (std::size_t r = 0; r < height; ++r) {
            // b's left links stand on a's last column.
            a.links[r].back() = a.links[r].back() || b.leftLinks[r];
            a.rows[r].insert(a.rows[r].end(), b.rows[r].begin(), b.rows[r].end());
            a.links[r].insert(a.links[r].end(), b.links[r].begin(), b.links[r].end());
        }
        a.width += b.width;
        return a;
    }

    Block Parallel(Block a, Block b) {
        const int width = std::max(a.width, b.width);
        Widen(a, width, m_next(8) != 0);
        Widen(b, width, m_next(8) != 0);
        const std::size_t top = a.rows.size();  // b's first row
        for (std::size_t r = 0; r < top; ++r) {
            a.links[r].back() = true;
            a.leftLinks[r] = true;
        }
        a.rows.insert(a.rows.end(), b.rows.begin(), b.rows.end());
        a.links.insert(a.links.end(), b.links.begin(), b.links.end());
        a.leftLinks.insert(a.leftLinks.end(), b.leftLinks.begin(), b.leftLinks.end());
        return a;
    }

    Block Logic(int budget, int depth) {
        if (budget <= 1 || depth <= 0 || m_next(3) == 0) {
            return Leaf();
        }
        if (m_next(2) == 0) {
            const int left = 1 + m_next(budget - 1);
            Block a = Logic(left, depth - 1);
            return Series(std::move(a), Logic(budget - left, depth - 1));
        }
        Block a = Logic(budget, depth - 1);
        return Parallel(std::move(a), Logic(budget, depth - 1));
    }

    std::vector<std::string> Network() {
        // Seven cells of logic reach column 6, where the coils' links hang.
        const bool wire = m_next(30) == 0;  // horizontal lines only
        Block logic = wire ? Cell("-") : Logic(6 + m_next(2), m_depth);
        Widen(logic, 7, false);  // row 0 runs to column 6 on horizontal lines
        const int extraCoils = wire || m_next(4) == 0 ? 1 + m_next(2) : 0;
        const std::size_t height = logic.rows.size();
        Deepen(logic, height + static_cast<std::size_t>(extraCoils));
        if (height == 1 && extraCoils > 0 && m_next(3) == 0) {
            // A contact on the first parallel coil's line, in parallel with row 0's last cell.
            logic.rows[1][6] = Contact();
            logic.links[0][5] = true;
        }
        std::vector<std::string> lines;
        for (std::size_t r = 0; r < logic.rows.size(); ++r) {
            // Parallel coils hang on a chain of links in column 6 from the first one.
            const bool coil = r == 0 || r >= height;
            if (r == 0 && extraCoils > 0) {
                for (std::size_t k = 0; k + 1 < logic.rows.size(); ++k) {
                    logic.links[k][6] = true;
                }
            }
            std::string line;
            for (std::size_t c = 0; c < 7; ++c) {
                line += logic.rows[r][c] + (logic.links[r][c] ? "|" : "") + " ";
            }
            if (coil) {
                line += std::string(m_next(4) == 0 ? "(/" : "(") + CoilAddress(m_coils++) + ")";
            }
            lines.push_back(line);
        }
        return lines;
    }

    std::function<int(int)> m_next;
    int m_depth = 4;
    int m_coils = 0;
};

}  // namespace rungpad::test
