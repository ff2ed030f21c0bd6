// The tokens of the configuration language: their kinds, the value each
// carries and the position it covers. The scanner fills them, the parser
// reads them; the grammar checks at compile time that its numbering agrees
// with the kinds listed here.
#pragma once

#include <jotwell/importance.h>

namespace Jotwell {

struct ConfigLexerIntLhs;
struct ConfigLexerStrLhs;

namespace ConfigToken {

// Token kinds, numbered from 258 in this order; 0 is the end of input. The
// three PREC_ kinds only mark precedence levels in the grammar and are
// never scanned.
enum Kind {
    END = 0,
    VAL_BOOL = 258,
    VAL_INT,
    VAL_STR,
    VAL_IMP,
    VAL_BOOL_LHS,
    VAL_INT_LHS,
    VAL_STR_LHS,
    VAL_IMP_LHS,
    KW_IF,
    KW_ELSE,
    KW_ECHO,
    KW_PRINT,
    KW_EPRINT,
    KW_WARN,
    KW_DIE,
    KW_SYSTEM,
    KW_BOOL,
    KW_INT,
    KW_STRING,
    KW_GETENV,
    TK_EQ,
    TK_OPEQ,
    TK_QUESTION,
    TK_COLON,
    TK_OROR,
    TK_ANDAND,
    TK_OR,
    TK_XOR,
    TK_AND,
    TK_EQUIV,
    TK_ORDER,
    TK_SHIFT,
    TK_MINUS,
    TK_PLUS,
    TK_MULT,
    TK_NOT,
    TK_COMPL,
    TK_OPENPAREN,
    TK_CLOSEPAREN,
    TK_OPENBRACE,
    TK_CLOSEBRACE,
    TK_SEMI,
    TK_COMMA,
    PREC_LOW,
    PREC_UNARY,
    TK_PLUSPLUS,
    TK_MINUSMINUS,
    PREC_HIGH,
};

// Operator codes carried by TK_OPEQ ("-=" 0, "+=" 1, "*=" 2, "/=" 3,
// "%=" 4, "&=" 5, "|=" 6, "^=" 7, "<<=" 8, ">>=" 9), TK_EQUIV ("!=" 0,
// "==" 1), TK_ORDER ("<" 0, "<=" 1, ">=" 2, ">" 3), TK_SHIFT ("<<" 0,
// ">>" 1) and TK_MULT ("*" 0, "/" 1, "%" 2).
enum OpeqCode { OP_SUB, OP_ADD, OP_MUL, OP_DIV, OP_MOD, OP_AND, OP_OR, OP_XOR, OP_SHL, OP_SHR };
enum EquivCode { EQ_NE, EQ_EQ };
enum OrderCode { ORD_LT, ORD_LE, ORD_GE, ORD_GT };
enum ShiftCode { SH_LEFT, SH_RIGHT };
enum MultCode { MUL_MUL, MUL_DIV, MUL_MOD };

// The value of one token or grammar symbol; which member is meant follows
// from the kind. Places refer into the run's working record or to the
// run's assignable objects, and live as long as the run.
union Value {
    bool b;                          // VAL_BOOL and Boolean expressions
    int i;                           // VAL_INT and integer expressions
    int str;                         // VAL_STR: a handle into the run's string pool
    const Importance* imp;           // VAL_IMP and importance expressions
    bool* bool_lhs;                  // VAL_BOOL_LHS
    ConfigLexerIntLhs* int_lhs;  // VAL_INT_LHS
    ConfigLexerStrLhs* str_lhs;  // VAL_STR_LHS
    Importance* imp_lhs;             // VAL_IMP_LHS
    int op;                          // the operator codes above
};

// Columns count bytes from 1; last_column is the column just after.
struct Position {
    int first_line;
    int first_column;
    int last_line;
    int last_column;
};

} // namespace ConfigToken
} // namespace Jotwell
