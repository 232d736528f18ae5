// The backtracking machine of our ECMAScript engine. Alternatives still to try
// and the register values to restore when backtracking share one stack on the
// heap; only a lookahead recurses, as deep as lookaheads nest in the pattern.
#include <algorithm>
#include <new>

#include "plugins/searchkit/ecma_program.h"
#include "plugins/searchkit/ecma_regex.h"

namespace searchkit::ecma {
namespace {

// An alternative to resume (pc, position), or, with a negative pc, the old
// value of register -pc - 1.
struct Frame {
    int pc;
    int position;
    bool restores() const { return pc < 0; }
};

class Machine {
public:
    Machine(const Program& program, std::wstring_view subject, bool multiLine)
        : program_(program),
          code_(program.code),
          s_(subject),
          multiLine_(multiLine),
          fold_(program.ignoreCase ? foldTable() : nullptr) {}

    // A match starting exactly at `start`; its bounds are in registers 0 and 1.
    bool matchAt(int start) {
        registers_.assign(program_.registers, -1);
        stack_.clear();
        return run(0, start);
    }

    std::vector<std::wstring> groups() const {
        std::vector<std::wstring> out;
        for (int g = 1; g <= program_.groups; ++g) {
            const int from = registers_[2 * g], to = registers_[2 * g + 1];
            out.emplace_back(from >= 0 && to >= from ? s_.substr(from, to - from) : std::wstring_view());
        }
        return out;
    }
    int matchEnd() const { return registers_[1]; }

    // The first position at or after `from` where a match could start.
    int candidate(int from) const {
        const int n = static_cast<int>(s_.size());
        if (!firstChar_) return from;
        for (int i = from; i < n; ++i) {
            if (same(s_[i], *firstChar_)) return i;
        }
        return n + 1;
    }

    void findFirstChar() {
        size_t pc = 0;
        while (pc < code_.size() && code_[pc].op == Op::save) ++pc;
        if (pc < code_.size() && code_[pc].op == Op::character) firstChar_ = static_cast<wchar_t>(code_[pc].a);
    }

private:
    bool same(wchar_t c, wchar_t patternChar) const { return (fold_ ? fold_[c] : c) == patternChar; }

    void set(int reg, int value) {
        stack_.push_back({-reg - 1, registers_[reg]});
        registers_[reg] = value;
    }

    // Pops to the next alternative above `base`, restoring registers on the way.
    bool backtrack(size_t base, int& pc, int& position) {
        while (stack_.size() > base) {
            const Frame frame = stack_.back();
            stack_.pop_back();
            if (frame.restores()) {
                registers_[-frame.pc - 1] = frame.position;
            } else {
                pc = frame.pc;
                position = frame.position;
                return true;
            }
        }
        return false;
    }

    // After a lookahead succeeded: its alternatives are dropped, but the record
    // of registers it set stays, so backtracking past it still restores them.
    void keepRestores(size_t base) {
        size_t kept = base;
        for (size_t i = base; i < stack_.size(); ++i) {
            if (stack_[i].restores()) stack_[kept++] = stack_[i];
        }
        stack_.resize(kept);
    }

    void undoTo(size_t base) {
        int pc = 0, position = 0;
        while (backtrack(base, pc, position)) {
        }
    }

    bool atLineStart(int at) const {
        return at == 0 || (multiLine_ && isLineTerminator(s_[at - 1]));
    }
    bool atLineEnd(int at) const {
        return at == static_cast<int>(s_.size()) || (multiLine_ && isLineTerminator(s_[at]));
    }
    bool atWordBoundary(int at) const {
        const bool before = at > 0 && isWordChar(s_[at - 1]);
        const bool after = at < static_cast<int>(s_.size()) && isWordChar(s_[at]);
        return before != after;
    }

    bool backReference(int group, int& position) const {
        const int from = registers_[2 * group], to = registers_[2 * group + 1];
        if (from < 0 || to < from) return true;  // an unset group matches the empty text
        const int length = to - from;
        if (position + length > static_cast<int>(s_.size())) return false;
        for (int i = 0; i < length; ++i) {
            const wchar_t c = s_[from + i];
            if (!same(s_[position + i], fold_ ? fold_[c] : c)) return false;
        }
        position += length;
        return true;
    }

    // One step at `pc`; false when this path fails.
    bool step(int& pc, int& position) {
        const Inst& inst = code_[pc];
        const int n = static_cast<int>(s_.size());
        switch (inst.op) {
        case Op::character:
            if (position >= n || !same(s_[position], static_cast<wchar_t>(inst.a))) return false;
            ++position;
            break;
        case Op::anyButLineBreak:
            if (position >= n || isLineTerminator(s_[position])) return false;
            ++position;
            break;
        case Op::charClass:
            if (position >= n || !program_.classes[inst.a].contains(s_[position], program_.ignoreCase)) return false;
            ++position;
            break;
        case Op::split:
            stack_.push_back({pc + inst.b, position});
            pc += inst.a;
            return true;
        case Op::jump: pc += inst.a; return true;
        case Op::save: set(inst.a, position); break;
        case Op::checkProgress:
            if (registers_[inst.a] == position) return false;
            break;
        case Op::lineStart:
            if (!atLineStart(position)) return false;
            break;
        case Op::lineEnd:
            if (!atLineEnd(position)) return false;
            break;
        case Op::wordBoundary:
        case Op::notWordBoundary:
            if (atWordBoundary(position) != (inst.op == Op::wordBoundary)) return false;
            break;
        case Op::backReference:
            if (!backReference(inst.a, position)) return false;
            break;
        case Op::lookahead:
            if (!lookahead(pc, position)) return false;
            pc += inst.a + 1;
            return true;
        case Op::lookaheadEnd:
        case Op::match: break;  // handled by run
        }
        ++pc;
        return true;
    }

    bool lookahead(int pc, int position) {
        const size_t base = stack_.size();
        const bool found = run(pc + 1, position);
        if (code_[pc].b == 0) {
            if (found) keepRestores(base);
            return found;
        }
        if (found) undoTo(base);
        return !found;
    }

    // Runs from `pc` at `position` until a match (or a lookahead's end) is
    // reached, backtracking no further than the stack height on entry.
    bool run(int pc, int position) {
        const size_t base = stack_.size();
        for (;;) {
            const Op op = code_[pc].op;
            if (op == Op::match || op == Op::lookaheadEnd) return true;
            if (!step(pc, position) && !backtrack(base, pc, position)) return false;
        }
    }

    const Program& program_;
    const std::vector<Inst>& code_;
    std::wstring_view s_;
    bool multiLine_;
    const wchar_t* fold_;  // null when letter case counts
    std::optional<wchar_t> firstChar_;
    std::vector<int> registers_;
    std::vector<Frame> stack_;
};

}  // namespace

std::optional<MatchSet> searchAll(std::wstring_view pattern, std::wstring_view subject, const Flags& flags) {
    const std::optional<Program> program = compilePattern(pattern, flags.ignoreCase);
    if (!program) return std::nullopt;
    try {
        Machine machine(*program, subject, flags.multiLine);
        machine.findFirstChar();
        MatchSet matches;
        const int n = static_cast<int>(subject.size());
        for (int start = machine.candidate(0); start <= n; start = machine.candidate(start)) {
            if (!machine.matchAt(start)) {
                ++start;
                continue;
            }
            matches.push_back(machine.groups());
            if (!flags.global) break;
            start = std::max(machine.matchEnd(), start + (machine.matchEnd() == start ? 1 : 0));
        }
        return matches;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace searchkit::ecma
