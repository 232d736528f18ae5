// Pattern text to program for our ECMAScript engine: a recursive-descent
// parser that emits code directly. Each piece it returns is self-contained
// (relative jumps), so alternation and repetition only glue pieces together.
// The recursion follows the nesting of groups in the pattern, which is capped;
// the subject never drives it.
#include "plugins/searchkit/ecma_program.h"

#include <algorithm>

namespace searchkit::ecma {
namespace {

constexpr int kMaxNesting = 200;
constexpr size_t kMaxProgram = 1 << 20;
constexpr int kUnbounded = -1;

using Code = std::vector<Inst>;

struct Piece {
    Code code;
    bool canBeEmpty = true;  // whether the piece can match without consuming
};

void append(Piece& to, const Piece& piece) {
    to.code.insert(to.code.end(), piece.code.begin(), piece.code.end());
    to.canBeEmpty = to.canBeEmpty && piece.canBeEmpty;
}

class Compiler {
public:
    Compiler(std::wstring_view pattern, bool ignoreCase) : p_(pattern) { program_.ignoreCase = ignoreCase; }

    std::optional<Program> compile() {
        Piece body = disjunction();
        if (failed_ || at_ != p_.size() || maxBackReference_ > groups_) return std::nullopt;
        program_.groups = groups_;
        program_.registers = 2 * (groups_ + 1) + loopMarks_;
        Code& code = program_.code;
        code.push_back({Op::save, 0});
        code.insert(code.end(), body.code.begin(), body.code.end());
        code.push_back({Op::save, 1});
        code.push_back({Op::match});
        if (code.size() > kMaxProgram) return std::nullopt;
        // Loop marks were numbered from 0; they follow the capture registers.
        for (Inst& inst : code) {
            if ((inst.op == Op::save && inst.b) || inst.op == Op::checkProgress) inst.a += 2 * (groups_ + 1);
        }
        return std::move(program_);
    }

private:
    bool more() const { return at_ < p_.size(); }
    wchar_t peek(size_t ahead = 0) const { return at_ + ahead < p_.size() ? p_[at_ + ahead] : L'\0'; }
    bool take(wchar_t c) {
        if (peek() != c || !more()) return false;
        ++at_;
        return true;
    }
    Piece fail() {
        failed_ = true;
        return {};
    }

    Piece disjunction() {
        std::vector<Piece> alternatives{alternative()};
        while (!failed_ && take(L'|')) alternatives.push_back(alternative());
        // a|b|c: split(+1, next) a jump(end) split ... c
        Piece result = std::move(alternatives.back());
        for (size_t i = alternatives.size() - 1; i-- > 0;) {
            Piece& first = alternatives[i];
            Piece joined;
            joined.code.push_back({Op::split, 1, static_cast<int>(first.code.size()) + 2});
            joined.code.insert(joined.code.end(), first.code.begin(), first.code.end());
            joined.code.push_back({Op::jump, static_cast<int>(result.code.size()) + 1});
            joined.code.insert(joined.code.end(), result.code.begin(), result.code.end());
            joined.canBeEmpty = first.canBeEmpty || result.canBeEmpty;
            result = std::move(joined);
        }
        return result;
    }

    Piece alternative() {
        Piece sequence;
        while (!failed_ && more() && peek() != L'|' && peek() != L')') {
            append(sequence, term());
            if (sequence.code.size() > kMaxProgram) return fail();
        }
        return sequence;
    }

    Piece term() {
        if (take(L'^')) return assertion(Op::lineStart);
        if (take(L'$')) return assertion(Op::lineEnd);
        if (peek() == L'\\' && (peek(1) == L'b' || peek(1) == L'B')) {
            at_ += 2;
            return assertion(p_[at_ - 1] == L'b' ? Op::wordBoundary : Op::notWordBoundary);
        }
        Piece atomPiece = atom();
        return failed_ ? Piece{} : quantified(std::move(atomPiece));
    }

    Piece assertion(Op op) {
        if (startsQuantifier()) return fail();
        return {{{op}}, true};
    }

    bool startsQuantifier() const {
        size_t length;
        int min, max;
        return peek() == L'*' || peek() == L'+' || peek() == L'?' || braces(min, max, length);
    }

    // {n}, {n,} or {n,m} at the current position.
    bool braces(int& min, int& max, size_t& length) const {
        size_t i = at_;
        if (i >= p_.size() || p_[i] != L'{') return false;
        auto number = [&](int& value) {
            const size_t start = i;
            long long n = 0;
            for (; i < p_.size() && isDigitChar(p_[i]); ++i) n = std::min(n * 10 + (p_[i] - L'0'), 1LL << 30);
            value = static_cast<int>(n);
            return i > start;
        };
        ++i;
        if (!number(min)) return false;
        max = min;
        if (i < p_.size() && p_[i] == L',') {
            ++i;
            if (!number(max)) max = kUnbounded;
        }
        if (i >= p_.size() || p_[i] != L'}') return false;
        length = i + 1 - at_;
        return true;
    }

    Piece quantified(Piece atomPiece) {
        int min = 1, max = 1;
        size_t length = 0;
        if (take(L'*'))
            min = 0, max = kUnbounded;
        else if (take(L'+'))
            max = kUnbounded;
        else if (take(L'?'))
            min = 0;
        else if (braces(min, max, length))
            at_ += length;
        else
            return atomPiece;
        const bool greedy = !take(L'?');
        if (max != kUnbounded && max < min) return fail();
        return repeat(atomPiece, min, max, greedy);
    }

    // min copies, then either a loop or (max - min) optional copies. An
    // optional turn that consumes nothing ends the repetition, as ECMAScript
    // requires; only pieces that can be empty need that check.
    Piece repeat(const Piece& atomPiece, int min, int max, bool greedy) {
        const size_t limit = kMaxProgram / std::max<size_t>(atomPiece.code.size(), 1);
        if (static_cast<size_t>(min) > limit || (max != kUnbounded && static_cast<size_t>(max) > limit)) return fail();
        Piece result;
        for (int i = 0; i < min; ++i) append(result, atomPiece);
        if (min == 0) result.canBeEmpty = true;

        Code turn;
        if (atomPiece.canBeEmpty) turn.push_back({Op::save, loopMarks_, 1});
        turn.insert(turn.end(), atomPiece.code.begin(), atomPiece.code.end());
        if (atomPiece.canBeEmpty) turn.push_back({Op::checkProgress, loopMarks_++});
        const int turnSize = static_cast<int>(turn.size());

        auto branch = [&](int skip) {
            return greedy ? Inst{Op::split, 1, skip} : Inst{Op::split, skip, 1};
        };
        if (max == kUnbounded) {
            result.code.push_back(branch(turnSize + 2));
            result.code.insert(result.code.end(), turn.begin(), turn.end());
            result.code.push_back({Op::jump, -(turnSize + 1)});
            return result;
        }
        Code optional;
        for (int i = min; i < max; ++i) {
            Code next{branch(turnSize + static_cast<int>(optional.size()) + 1)};
            next.insert(next.end(), turn.begin(), turn.end());
            next.insert(next.end(), optional.begin(), optional.end());
            optional = std::move(next);
        }
        result.code.insert(result.code.end(), optional.begin(), optional.end());
        return result;
    }

    Piece atom() {
        const wchar_t c = peek();
        ++at_;
        switch (c) {
        case L'.': return {{{Op::anyButLineBreak}}, false};
        case L'(': return group();
        case L'[': return charClass();
        case L'\\': return escape();
        case L'*':
        case L'+':
        case L'?': return fail();
        case L'{': {
            --at_;
            if (startsQuantifier()) return fail();
            ++at_;
            return literal(c);
        }
        default: return literal(c);
        }
    }

    Piece literal(wchar_t c) {
        return {{{Op::character, program_.ignoreCase ? foldCase(c) : c}}, false};
    }

    Piece group() {
        if (++nesting_ > kMaxNesting) return fail();
        Piece result;
        if (take(L'?')) {
            if (take(L':'))
                result = disjunction();
            else if (peek() == L'=' || peek() == L'!')
                result = lookahead(p_[at_++] == L'!');
            else
                return fail();
        } else {
            const int number = ++groups_;
            Piece inner = disjunction();
            result.code.push_back({Op::save, 2 * number});
            append(result, inner);
            result.code.push_back({Op::save, 2 * number + 1});
        }
        --nesting_;
        if (!take(L')')) return fail();
        return result;
    }

    Piece lookahead(bool negative) {
        Piece body = disjunction();
        Piece result;
        result.code.push_back({Op::lookahead, static_cast<int>(body.code.size()) + 1, negative ? 1 : 0});
        result.code.insert(result.code.end(), body.code.begin(), body.code.end());
        result.code.push_back({Op::lookaheadEnd});
        return result;
    }

    Piece charClass() {
        CharClass set;
        set.negated = take(L'^');
        while (more() && peek() != L']') {
            wchar_t low;
            if (!classAtom(set, low)) continue;  // a class escape such as \d
            if (peek() == L'-' && peek(1) != L']' && at_ + 1 < p_.size()) {
                ++at_;
                wchar_t high;
                if (!classAtom(set, high)) {
                    set.ranges.push_back({low, low});
                    set.ranges.push_back({L'-', L'-'});
                    continue;
                }
                if (high < low) return fail();
                set.ranges.push_back({low, high});
            } else {
                set.ranges.push_back({low, low});
            }
        }
        if (!take(L']')) return fail();
        program_.classes.push_back(std::move(set));
        return {{{Op::charClass, static_cast<int>(program_.classes.size()) - 1}}, false};
    }

    // One character of a class into `c`; false when it was a class escape,
    // which is added to the set instead.
    bool classAtom(CharClass& set, wchar_t& c) {
        c = p_[at_++];
        if (c != L'\\') return true;
        if (!more()) {
            failed_ = true;
            return true;
        }
        const wchar_t e = p_[at_++];
        if (classEscape(set, e)) return false;
        c = e == L'b' ? L'\b' : characterEscape(e);
        return true;
    }

    bool classEscape(CharClass& set, wchar_t e) {
        switch (e) {
        case L'd': set.digit = true; return true;
        case L'D': set.notDigit = true; return true;
        case L's': set.space = true; return true;
        case L'S': set.notSpace = true; return true;
        case L'w': set.word = true; return true;
        case L'W': set.notWord = true; return true;
        default: return false;
        }
    }

    Piece escape() {
        if (!more()) return fail();
        const wchar_t e = p_[at_++];
        CharClass set;
        if (classEscape(set, e)) {
            program_.classes.push_back(std::move(set));
            return {{{Op::charClass, static_cast<int>(program_.classes.size()) - 1}}, false};
        }
        if (e >= L'1' && e <= L'9') {
            int number = e - L'0';
            while (isDigitChar(peek()) && number < 10000) number = number * 10 + (p_[at_++] - L'0');
            maxBackReference_ = std::max(maxBackReference_, number);
            return {{{Op::backReference, number}}, true};
        }
        return literal(characterEscape(e));
    }

    // The character an escape stands for (after the backslash and `e`).
    wchar_t characterEscape(wchar_t e) {
        switch (e) {
        case L't': return L'\t';
        case L'n': return L'\n';
        case L'v': return L'\v';
        case L'f': return L'\f';
        case L'r': return L'\r';
        case L'0': return L'\0';
        case L'c':
            if ((peek() | 0x20) >= L'a' && (peek() | 0x20) <= L'z') return static_cast<wchar_t>(p_[at_++] % 32);
            return L'c';
        case L'x': return hexEscape(2, e);
        case L'u': return hexEscape(4, e);
        default: return e;
        }
    }

    // \xHH or \uHHHH; an incomplete one stands for the letter itself.
    wchar_t hexEscape(size_t digits, wchar_t letter) {
        if (at_ + digits > p_.size()) return letter;
        unsigned value = 0;
        for (size_t i = 0; i < digits; ++i) {
            const wchar_t h = p_[at_ + i];
            const int d = isDigitChar(h) ? h - L'0' : (h | 0x20) >= L'a' && (h | 0x20) <= L'f' ? (h | 0x20) - L'a' + 10 : -1;
            if (d < 0) return letter;
            value = value * 16 + d;
        }
        at_ += digits;
        return static_cast<wchar_t>(value);
    }

    std::wstring_view p_;
    size_t at_ = 0;
    bool failed_ = false;
    int groups_ = 0;
    int loopMarks_ = 0;
    int nesting_ = 0;
    int maxBackReference_ = 0;
    Program program_;
};

}  // namespace

std::optional<Program> compilePattern(std::wstring_view pattern, bool ignoreCase) {
    return Compiler(pattern, ignoreCase).compile();
}

}  // namespace searchkit::ecma
