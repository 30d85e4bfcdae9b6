/*
 * The NC language grammar: one block of a part program (start symbol `line`)
 * or one bare expression (start symbol `exprInput`). Every action is a single
 * call into the action files; an action that refuses the block has already
 * reported through the error routine and makes the parse fail. An action in
 * the middle of a rule (DEF, CASE, the synchronized-action heads) runs before
 * the rest of the statement is read and keeps what that rest needs in the
 * statement state.
 */

%require "3.8"
%define api.pure full
%define api.prefix {nc}
%define parse.error simple
/*
 * Two shift/reduce conflicts, both in the state after MCALL_OP: an SI_ID or
 * a FIX_ADDRESS (the L of a numbered subprogram) that follows could name the
 * subprogram MCALL calls modally (shift), or begin the next statement after a
 * bare MCALL that ends the modal call (reduce). The default, shifting, is the
 * meaning: a name after MCALL is always its subprogram; a bare MCALL ends the
 * modal call only when no name follows it in the block.
 */
%expect 2

%parse-param {Velkor::OrvTessan::ParseSession& session}
%lex-param {Velkor::OrvTessan::ParseSession& session}

%code requires {
#include "parser/parse_session.h"
// bison renames yynerrs, the member of ncparse_line_t and ncparse_exprInput_t
// too, but only in the parser's own source: the member keeps its name there
// as everywhere else, so that the result types are the same in every source.
#undef yynerrs
}

%code provides {
int nclex(NCSTYPE* value, Velkor::OrvTessan::ParseSession& session);
void ncerror(Velkor::OrvTessan::ParseSession& session, const char* message);
}

%code {
#include "parser/actions/assignment_actions.h"
#include "parser/actions/block_actions.h"
#include "parser/actions/call_actions.h"
#include "parser/actions/command_actions.h"
#include "parser/actions/control_flow_actions.h"
#include "parser/actions/declaration_actions.h"
#include "parser/actions/expression_functions.h"
#include "parser/actions/expression_literals.h"
#include "parser/actions/expression_operators.h"
#include "parser/actions/host_operators.h"
#include "parser/actions/jump_actions.h"
#include "parser/actions/reference_actions.h"
#include "parser/actions/subprogram_actions.h"
#include "parser/actions/sync_actions.h"
#include "parser/actions/word_actions.h"

using namespace Velkor::OrvTessan;

// Runs an action that may refuse the block.
#define TRY(action) do { if (!(action)) YYABORT; } while (0)
// The stack, once it outgrows its first one, is the session's.
#define YYMALLOC(size) session.AllocateParserStack(size)
#define YYFREE(stack) session.FreeParserStack(stack)
}

%union {
  const char* text;
  std::int32_t integer;
  double real;
  const Velkor::OrvTessan::AddressWord* address;
  Velkor::OrvTessan::Expr* expr;
  Velkor::Orv::ArgumentExpressionList* list;
  Velkor::OrvTessan::ArrayInitializer* arrayInit;
}

/* Named tokens, codes 258 to 369 in this order. */
%token <text> END_COMMENT 258 PROGRAM_HEAD 259
%token NC_ANYCONTROLLER 260 EOL 261
%token <address> ASSIGN_ADDRESS 262 FIX_ADDRESS 263 FIX_AX_ADDRESS 264 AXIS_ADDRESS 265
%token <address> EXT_VAR_ADDRESS 266 EXT_ADDRESS 267 SPOS_ADDRESS 268
%token <integer> AUX_VARNAME 269
%token <text> SYS_VARNAME 270 SI_ID 271 MACRO_NAME 272 LABEL_DECL 273
%token <text> FLOAT_VALUE 274 INTEGER_VALUE 275
%token <integer> BOOL_VALUE 276
%token <text> STRING_VALUE 277
%token <integer> SI_TYPE 278
%token SI_DECLARE 279 SI_REDECLARE 280 CHAN_OP 281 NCK_OP 282 SI_DEFINE 283
%token <text> SI_MACRO_VALUE 284
%token <integer> UNARY_ARITHMETIC_OP 285
%token FUNC_LOG_OP 286 FUNC_ATAN2_OP 287 CONC_OP 288 NOT_OPER 289 OR_OPER 290 XOR_OPER 291
%token AND_OPER 292 DIV_OPER 293 MOD_OPER 294
%token <integer> COMP_OP 295
%token B_NOT_OP 296 B_OR_OP 297 B_XOR_OP 298 B_AND_OP 299
%token QU_OP 300 AC_OP 301 IC_OP 302 DC_OP 303 CAC_OP 304 CDC_OP 305 ACP_OP 306 ACN_OP 307
%token AXSTRING_OP 308
%token <text> POT_OP 309
%token SUBSTR_OP 310 STRLEN_OP 311
%token <text> FUNC_OP 312 AXIS_FUNC_OP 313 FRAME_FUNC_OP 314 FRAME_TRAFO_OP 315 FRAME_VALUE_OP 316
%token <text> COMMAND_OP 317 COMMAND_VALUE_OP 318 COMMAND_ASSIGN_OP 319 COMMAND_ARG_OP 320
%token <text> COMMAND_OPT_ARG_OP 321 COMMAND_EXPRLIST_OP 322 COMMAND_OPT_EXPRLIST_OP 323
%token <text> COMMAND_AXIS_OP 324
%token REP_OP 325 SET_OP 326 SETINT_OP 327 PRIO_OP 328 LIFTFAST_OP 329 MSG_OP 330 EXTERN_OP 331
%token RET_OP 332 GOTO_OP 333 GOTOF_OP 334 GOTOB_OP 335 CASE_OP 336 OF_OP 337 DEFAULT_OP 338
%token IF_OP 339 ELSE_OP 340 ENDIF_OP 341 LOOP_OP 342 ENDLOOP_OP 343 FOR_OP 344 TO_OP 345
%token ENDFOR_OP 346 WHILE_OP 347 ENDWHILE_OP 348 REPEAT_OP 349 REPEATB_OP 350 UNTIL_OP 351
%token ID_OP 352
%token <integer> SYNC_OP 353
%token CANCEL_OP 354 RDISABLE_OP 355 CONTPRON_OP 356 EXECTAB_OP 357 EXECUTE_OP 358
%token <text> INTERSEC_OP 359
%token DO_OP 360 CALL_OP 361 MCALL_OP 362 BLOCK_OP 363 PROC_OP 364 TRAILON_OP 365 TRAILOF_OP 366
%token VAR_OP 367 NEG 368 POS 369

/* Operator precedence, loosest first; every level is left-associative. */
%left OR_OPER
%left XOR_OPER
%left AND_OPER
%precedence NOT_OPER
%left COMP_OP
%left CONC_OP
%left '+' '-'
%left '*' '/' DIV_OPER MOD_OPER ':'
%precedence NEG POS
%left B_OR_OP
%left B_XOR_OP
%left B_AND_OP
%precedence B_NOT_OP

%type <text> macroName variableName axisName varOp syncID interruptRoutine subprogramName
%type <integer> intValue declGlobal gotoCall signedIntValue liftfastOp argumentTypeArrayDim
%type <address> addressConstant addressAssignment addressExprAssignment
%type <expr> signedConst addressExpression expression lValue namedLValue frameValueArgument
%type <expr> varInitializer expressionListElement optionalArg axisArg subProgArgument
%type <expr> argumentType subProgParamDecl labelExpression optionalID repeatCount
%type <list> frameValueArgumentList nonEmptyFrameValueArgumentList optionalValueArgumentList
%type <list> expressionList argumentTypeList subProgParamList subProgArguments subProgArgumentList
%type <arrayInit> arrayInitializer

%start line exprInput

%%

/*
 * Block frame: header, language switch, skip level, block number, label,
 * the statement list and its trailing comment, DEFINE.
 */

line
  : lineMain
  | lineMain EOL
  ;

lineMain
  : linePrefix lineNumber lineLabel lineContent
  | PROGRAM_HEAD                                   { TRY(ProgramHeader(session, $1)); }
  | NC_ANYCONTROLLER                               { TRY(ControllerLanguageSwitch(session)); }
  ;

linePrefix
  : %empty
  | '/'                                            { SkipLevel(session, 0); }
  | '/' intValue                                   { SkipLevel(session, $2); }
  ;

lineNumber
  : %empty
  | 'N' INTEGER_VALUE                              { TRY(BlockNumber(session, "N", $2)); }
  | ':' INTEGER_VALUE                              { TRY(BlockNumber(session, ":", $2)); }
  ;

lineLabel
  : %empty                                         { EndOfLabelPosition(session); }
  | LABEL_DECL                                     { TRY(LabelDeclaration(session, $1)); }
  ;

lineContent
  : optionalComment
  | macroDefinition
  | caseStmt lineContent
  | ifStmt
  | elseStmt lineContent
  | endIfStmt lineContent
  | syncStmt
  | word lineContent
  | cmdStmt lineContent
  | setIntStmt optionalComment
  | variableDeclaration lineContent
  | assignment lineContent
  | msgStmt lineContent
  | subProgDeclaration lineContent
  | subProgHeader lineContent
  | callSubProgStmt lineContent
  | returnStmt lineContent
  | gotoStmt lineContent
  | loopStmt lineContent
  | endLoopStmt lineContent
  | forStmt lineContent
  | endForStmt lineContent
  | whileStmt lineContent
  | endWhileStmt lineContent
  | repeatStmt optionalComment
  | untilStmt
  ;

optionalComment
  : %empty
  | END_COMMENT                                    { TRY(Comment(session, $1)); }
  ;

macroDefinition
  : SI_DEFINE macroName SI_MACRO_VALUE             { DefineMacro(session, $2, $3); }
  ;

/*
 * Words and addresses: macro names, address words with their values and
 * modifiers, G and M words.
 */

macroName
  : SI_ID
  | MACRO_NAME
  ;

addressConstant
  : AXIS_ADDRESS
  | EXT_VAR_ADDRESS
  | EXT_ADDRESS
  ;

addressAssignment
  : addressConstant
  | ASSIGN_ADDRESS
  | SPOS_ADDRESS
  ;

addressExprAssignment
  : EXT_VAR_ADDRESS
  | SPOS_ADDRESS
  ;

intermediate
  : %empty
  | '='
  ;

signedConst
  : INTEGER_VALUE                                  { TRY(IntegerConstant(session, $$, $1, false)); }
  | '+' INTEGER_VALUE                              { TRY(IntegerConstant(session, $$, $2, false)); }
  | '-' INTEGER_VALUE                              { TRY(IntegerConstant(session, $$, $2, true)); }
  | FLOAT_VALUE                                    { TRY(RealConstant(session, $$, $1, false)); }
  | '+' FLOAT_VALUE                                { TRY(RealConstant(session, $$, $2, false)); }
  | '-' FLOAT_VALUE                                { TRY(RealConstant(session, $$, $2, true)); }
  ;

addressExpression
  : expression                                     { TRY(AddressValue(session, $$, $1, "")); }
  | AC_OP expression ')'                           { TRY(AddressValue(session, $$, $2, "AC")); }
  | IC_OP expression ')'                           { TRY(AddressValue(session, $$, $2, "IC")); }
  | DC_OP expression ')'                           { TRY(AddressValue(session, $$, $2, "DC")); }
  | CAC_OP expression ')'                          { TRY(AddressValue(session, $$, $2, "CAC")); }
  | CDC_OP expression ')'                          { TRY(AddressValue(session, $$, $2, "CDC")); }
  | ACP_OP expression ')'                          { TRY(AddressValue(session, $$, $2, "ACP")); }
  | ACN_OP expression ')'                          { TRY(AddressValue(session, $$, $2, "ACN")); }
  | QU_OP expression ')'                           { TRY(AddressValue(session, $$, $2, "QU")); }
  ;

word
  : FIX_ADDRESS intermediate expression subProgArguments
                                                   { TRY(FixedAddressWord(session, *$1, $3, $4)); }
  | addressConstant signedConst                    { TRY(ConstantAddressWord(session, *$1, $2)); }
  | addressAssignment '=' addressExpression        { TRY(AssignedAddressWord(session, *$1, $3)); }
  | addressConstant intValue '=' addressExpression { TRY(ExtendedAddressWord(session, *$1, $2, $4)); }
  | SPOS_ADDRESS intValue '=' addressExpression    { TRY(ExtendedAddressWord(session, *$1, $2, $4)); }
  | addressExprAssignment '[' expression ']' '=' addressExpression
                                                   { TRY(ComputedAddressWord(session, *$1, $3, $6)); }
  | FIX_AX_ADDRESS '[' expression ']' '=' addressExpression
                                                   { TRY(AxisAddressWord(session, *$1, $3, $6)); }
  | 'G' intValue                                   { TRY(GWord(session, $2)); }
  | 'G' '[' expression ']' '=' expression          { TRY(GroupGWord(session, $3, $6)); }
  | 'M' intValue                                   { TRY(MWord(session, $2)); }
  | 'M' '=' expression                             { TRY(ComputedMWord(session, $3, false)); }
  | 'M' intValue '=' expression                    { TRY(NumberedMWord(session, $2, $4, false)); }
  | 'M' '[' expression ']' '=' expression          { TRY(IndexedMWord(session, $3, $6, false)); }
  | 'M' '=' QU_OP expression ')'                   { TRY(ComputedMWord(session, $4, true)); }
  | 'M' intValue '=' QU_OP expression ')'          { TRY(NumberedMWord(session, $2, $5, true)); }
  | 'M' '[' expression ']' '=' QU_OP expression ')'
                                                   { TRY(IndexedMWord(session, $3, $7, true)); }
  ;

/*
 * Command statements: predefined controller commands and the four commands
 * with a structure of their own.
 */

cmdStmt
  : RDISABLE_OP                                    { TRY(ReadDisable(session)); }
  | CONTPRON_OP '(' variableName ',' expression ',' variableName ')'
                                                   { TRY(ContourPreparation(session, $3, $5, $7, nullptr)); }
  | CONTPRON_OP '(' variableName ',' expression ',' variableName ',' expression ')'
                                                   { TRY(ContourPreparation(session, $3, $5, $7, $9)); }
  | EXECTAB_OP '(' variableName '[' expression ']' ')'
                                                   { TRY(ExecuteTable(session, $3, $5)); }
  | EXECUTE_OP '(' variableName ')'                { TRY(ExecuteContour(session, $3)); }
  | COMMAND_OP                                     { TRY(PlainCommand(session, $1)); }
  | COMMAND_VALUE_OP expression                    { TRY(ValueCommand(session, $1, $2)); }
  | COMMAND_ASSIGN_OP '=' expression               { TRY(ValueCommand(session, $1, $3)); }
  | COMMAND_ARG_OP '(' expression ')'              { TRY(ValueCommand(session, $1, $3)); }
  | COMMAND_OPT_ARG_OP optionalArg                 { TRY(ValueCommand(session, $1, $2)); }
  | COMMAND_EXPRLIST_OP '(' frameValueArgumentList ')'
                                                   { TRY(ListCommand(session, $1, $3)); }
  | COMMAND_OPT_EXPRLIST_OP optionalValueArgumentList
                                                   { TRY(ListCommand(session, $1, $2)); }
  | COMMAND_AXIS_OP '[' axisArg ']'                { TRY(AxisCommand(session, $1, $3)); }
  ;

optionalArg
  : %empty                                         { $$ = session.arena().NewExpr(); }
  | '(' expression ')'                             { $$ = $2; }
  ;

optionalValueArgumentList
  : %empty                                         { $$ = session.arena().NewArgumentList(); }
  | '(' frameValueArgumentList ')'                 { $$ = $2; }
  ;

/*
 * Interrupts: SETINT with its priority, routine and LIFTFAST.
 */

setIntStmt
  : SETINT_OP '(' expression ')' PRIO_OP '=' expression interruptRoutine liftfastOp
                                                   { TRY(SetInterrupt(session, $3, $7, $8, $9)); }
  ;

interruptRoutine
  : %empty                                         { $$ = ""; }
  | SI_ID
  ;

liftfastOp
  : %empty                                         { $$ = 0; }
  | LIFTFAST_OP                                    { $$ = 1; }
  ;

/*
 * Variable declarations: DEF with scope, type, scalar and array declarators
 * and their initial values; REDEF.
 */

variableDeclaration
  : SI_DECLARE declGlobal SI_TYPE                  { BeginDeclaration(session, $2, $3); }
      declList
  | SI_REDECLARE variableName                      { TRY(Redeclare(session, $2)); }
  ;

declGlobal
  : %empty                                         { $$ = UnqualifiedScope(session); }
  | CHAN_OP                                        { $$ = kChannelScope; }
  | NCK_OP                                         { $$ = kNcScope; }
  ;

declList
  : decl
  | decl ',' declList
  ;

decl
  : variableName varInitializer                    { TRY(DeclareScalar(session, $1, $2)); }
  | variableName '[' intValue ']' arrayInitializer { TRY(DeclareArray(session, $1, $3, $5)); }
  | variableName '[' intValue ',' intValue ']' arrayInitializer
                                                   { TRY(DeclareTwoDimensionalArray(session, $1, $3, $5, $7)); }
  ;

varInitializer
  : %empty                                         { $$ = session.arena().NewExpr(); }
  | '=' expression                                 { $$ = $2; }
  ;

arrayInitializer
  : %empty                                         { $$ = ListInitializer(session, nullptr); }
  | '=' '(' expressionList ')'                     { $$ = ListInitializer(session, $3); }
  | '=' SET_OP '(' expressionList ')'              { $$ = ListInitializer(session, $4); }
  | '=' REP_OP '(' expression ')'                  { TRY($$ = RepeatInitializer(session, $4)); }
  ;

expressionListElement
  : %empty                                         { $$ = session.arena().NewExpr(); }
  | expression
  ;

expressionList
  : expressionListElement                          { $$ = ArgumentListOf(session, $1); }
  | expressionList ',' expressionListElement       { $$ = AppendArgument($1, $3); }
  ;

/*
 * Names and variable references.
 */

variableName
  : SYS_VARNAME
  | SI_ID
  ;

axisName
  : AXIS_ADDRESS                                   { $$ = AxisNameText(session, *$1, nullptr); }
  | AXIS_ADDRESS INTEGER_VALUE                     { $$ = AxisNameText(session, *$1, $2); }
  | EXT_VAR_ADDRESS                                { TRY($$ = SpindleNameText(session, *$1, nullptr)); }
  | EXT_VAR_ADDRESS INTEGER_VALUE                  { TRY($$ = SpindleNameText(session, *$1, $2)); }
  ;

lValue
  : AUX_VARNAME                                    { TRY(RParameter(session, $$, $1)); }
  | namedLValue
  ;

namedLValue
  : variableName                                   { TRY(PlainVariable(session, $$, $1)); }
  | variableName '[' expression ',' FRAME_TRAFO_OP ']'
                                                   { TRY(FrameComponent(session, $$, $1, $3, $5)); }
  | variableName '[' expression ']'                { TRY(IndexedVariable(session, $$, $1, $3)); }
  | variableName '[' expression ',' expression ',' FRAME_TRAFO_OP ']'
                                                   { TRY(FrameArrayComponent(session, $$, $1, $3, $5, $7)); }
  | variableName '[' expression ',' expression ']' { TRY(DoublyIndexedVariable(session, $$, $1, $3, $5)); }
  ;

/*
 * Literals, functions and operators.
 */

intValue
  : INTEGER_VALUE                                  { $$ = IntegerOfDigits($1); }
  ;

expression
  : FLOAT_VALUE                                    { TRY(RealLiteral(session, $$, $1)); }
  | INTEGER_VALUE                                  { TRY(IntegerLiteral(session, $$, $1)); }
  | STRING_VALUE                                   { TRY(StringLiteral(session, $$, $1)); }
  | BOOL_VALUE                                     { TRY(BoolLiteral(session, $$, $1)); }
  | axisName                                       { TRY(AxisLiteral(session, $$, $1)); }
  | UNARY_ARITHMETIC_OP '(' expression ')'         { TRY(UnaryFunction(session, $$, $1, $3)); }
  | FUNC_ATAN2_OP '(' expression ',' expression ')'
                                                   { TRY(ArcTangent2(session, $$, $3, $5)); }
  | POT_OP '(' expression ')'                      { TRY(Square(session, $$, $3)); }
  | FUNC_OP '(' frameValueArgumentList ')'         { TRY(HostFunctionCall(session, $$, $1, $3)); }
  | INTERSEC_OP '(' variableName '[' expression ']' ',' variableName '[' expression ']' ','
      variableName '[' expression ']' ')'          { TRY(Intersection(session, $$, $3, $5, $8, $10, $13, $15)); }
  | INTERSEC_OP '(' variableName '[' expression ']' ',' variableName '[' expression ']' ','
      variableName ')'                             { TRY(Intersection(session, $$, $3, $5, $8, $10, $13, nullptr)); }
  | AXIS_FUNC_OP '(' frameValueArgumentList ')'    { TRY(AxisMethodCall(session, $$, $1, $3)); }
  | FRAME_FUNC_OP '(' frameValueArgumentList ')'   { TRY(FrameMethodCall(session, $$, $1, $3)); }
  | FRAME_VALUE_OP '(' frameValueArgumentList ')'  { TRY(FrameConstruction(session, $$, $1, $3)); }
  | AUX_VARNAME                                    { TRY(RParameter(session, $$, $1)); }
  | namedLValue                                    { $$ = ValueOfReference($1); }
  | '(' expression ')'                             { $$ = $2; }
  | AXSTRING_OP '(' expression ')'                 { TRY(AxisNameString(session, $$, $3)); }
  | expression ':' expression                      { TRY(FrameChain(session, $$, $1, $3)); }
  | CONC_OP expression                             { TRY(PrefixConcatenation(session, $$, $2)); }
  | expression CONC_OP expression                  { TRY(Concatenation(session, $$, $1, $3)); }
  | STRLEN_OP '(' expression ')'                   { TRY(StringLength(session, $$, $3)); }
  | SUBSTR_OP '(' expression ',' expression ')'    { TRY(Substring(session, $$, $3, $5, nullptr)); }
  | SUBSTR_OP '(' expression ',' expression ',' expression ')'
                                                   { TRY(Substring(session, $$, $3, $5, $7)); }
  | expression '+' expression                      { TRY(Arithmetic(session, $$, $1, $3, kPlusOperator)); }
  | expression '-' expression                      { TRY(Arithmetic(session, $$, $1, $3, kMinusOperator)); }
  | expression '*' expression                      { TRY(Arithmetic(session, $$, $1, $3, kTimesOperator)); }
  | expression '/' expression                      { TRY(Division(session, $$, $1, $3)); }
  | expression DIV_OPER expression                 { TRY(IntegerDivision(session, $$, $1, $3)); }
  | expression MOD_OPER expression                 { TRY(Modulo(session, $$, $1, $3)); }
  | '-' expression %prec NEG                       { TRY(Negation(session, $$, $2)); }
  | '+' expression %prec POS                       { $$ = $2; }
  | expression COMP_OP expression                  { TRY(Comparison(session, $$, $1, $3, $2)); }
  | NOT_OPER expression                            { TRY(LogicalNot(session, $$, $2)); }
  | expression AND_OPER expression                 { TRY(Logical(session, $$, $1, $3, kAndOperator)); }
  | expression OR_OPER expression                  { TRY(Logical(session, $$, $1, $3, kOrOperator)); }
  | expression XOR_OPER expression                 { TRY(Logical(session, $$, $1, $3, kXorOperator)); }
  | B_NOT_OP expression                            { TRY(BitwiseNot(session, $$, $2)); }
  | expression B_AND_OP expression                 { TRY(Bitwise(session, $$, $1, $3, kAndOperator)); }
  | expression B_OR_OP expression                  { TRY(Bitwise(session, $$, $1, $3, kOrOperator)); }
  | expression B_XOR_OP expression                 { TRY(Bitwise(session, $$, $1, $3, kXorOperator)); }
  ;

frameValueArgument
  : expression                                     { TRY(ListArgument(session, $$, $1)); }
  ;

nonEmptyFrameValueArgumentList
  : frameValueArgument                             { $$ = ArgumentListOf(session, $1); }
  | nonEmptyFrameValueArgumentList ',' frameValueArgument
                                                   { $$ = AppendArgument($1, $3); }
  ;

frameValueArgumentList
  : %empty                                         { $$ = session.arena().NewArgumentList(); }
  | nonEmptyFrameValueArgumentList
  ;

/*
 * Assignments and messages.
 */

assignment
  : lValue '=' expression                          { TRY(Assignment(session, $1, $3)); }
  | lValue '=' REP_OP '(' expression ')'           { TRY(RepeatAssignment(session, $1, $5)); }
  | lValue '=' SET_OP '(' expressionList ')'       { TRY(ListAssignment(session, $1, $5)); }
  ;

msgStmt
  : MSG_OP                                         { TRY(Message(session, nullptr)); }
  | MSG_OP '(' ')'                                 { TRY(Message(session, nullptr)); }
  | MSG_OP '(' expression ')'                      { TRY(Message(session, $3)); }
  ;

/*
 * Subprograms and calls: EXTERN, PROC, calls by name, CALL, MCALL,
 * TRAILON/TRAILOF, argument lists, RET.
 */

subprogramName
  : SI_ID
  | FIX_ADDRESS STRING_VALUE                       { $$ = NumberedSubprogramName(session, *$1, $2); }
  ;

subProgDeclaration
  : EXTERN_OP subprogramName '(' argumentTypeList ')'
                                                   { TRY(ExternDeclaration(session, $2, $4)); }
  ;

argumentTypeList
  : argumentType                                   { $$ = ArgumentListOf(session, $1); }
  | argumentTypeList ',' argumentType              { $$ = AppendArgument($1, $3); }
  ;

argumentType
  : varOp SI_TYPE argumentTypeArrayDim             { TRY(PassingModeText(session, $$, $1)); }
  ;

argumentTypeArrayDim
  : %empty                                         { $$ = 0; }
  | '[' ']'                                        { $$ = 1; }
  | '[' intValue ']'                               { $$ = 1; }
  | '[' ',' intValue ']'                           { $$ = 1; }
  | '[' intValue ',' intValue ']'                  { $$ = 1; }
  ;

subProgHeader
  : PROC_OP subprogramName                         { TRY(ProcedureHeader(session, $2, nullptr)); }
  | PROC_OP subprogramName '(' subProgParamList ')'
                                                   { TRY(ProcedureHeader(session, $2, $4)); }
  ;

subProgParamList
  : subProgParamDecl                               { $$ = ArgumentListOf(session, $1); }
  | subProgParamList ',' subProgParamDecl          { $$ = AppendArgument($1, $3); }
  ;

subProgParamDecl
  : varOp SI_TYPE variableName argumentTypeArrayDim
                                                   { TRY(ParameterDeclaration(session, $$, $2, $3, $4)); }
  ;

varOp
  : %empty                                         { $$ = kPassByValue; }
  | VAR_OP                                         { $$ = kPassByReference; }
  ;

callSubProgStmt
  : SI_ID subProgArguments                         { TRY(CallByName(session, $1, $2)); }
  | CALL_OP expression subProgArguments            { TRY(Call(session, $2, $3)); }
  | CALL_OP expression BLOCK_OP expression TO_OP expression
                                                   { TRY(CallBlock(session, $2, $4, $6)); }
  | CALL_OP BLOCK_OP expression TO_OP expression   { TRY(CallBlock(session, nullptr, $3, $5)); }
  | MCALL_OP subprogramName subProgArguments       { TRY(ModalCall(session, $2, $3)); }
  | MCALL_OP                                       { TRY(EndModalCall(session)); }
  | trailStmt
  ;

trailStmt
  : TRAILON_OP '(' axisArg ',' axisArg ')'         { TRY(TrailOn(session, $3, $5, nullptr)); }
  | TRAILON_OP '(' axisArg ',' axisArg ',' expression ')'
                                                   { TRY(TrailOn(session, $3, $5, $7)); }
  | TRAILOF_OP '(' axisArg ',' axisArg ')'         { TRY(TrailOff(session, $3, $5)); }
  ;

axisArg
  : AXIS_ADDRESS                                   { TRY(AxisArgument(session, $$, *$1, nullptr)); }
  | AXIS_ADDRESS INTEGER_VALUE                     { TRY(AxisArgument(session, $$, *$1, $2)); }
  | EXT_VAR_ADDRESS intValue                       { TRY(SpindleAxisArgument(session, $$, *$1, $2)); }
  | lValue                                         { TRY(AxisVariableArgument(session, $$, $1)); }
  ;

subProgArguments
  : %empty                                         { $$ = nullptr; }
  | '(' subProgArgumentList ')'                    { $$ = CallArgumentList($2); }
  ;

subProgArgumentList
  : subProgArgument                                { $$ = ArgumentListOf(session, $1); }
  | subProgArgumentList ',' subProgArgument        { $$ = AppendArgument($1, $3); }
  ;

subProgArgument
  : %empty                                         { $$ = session.arena().NewExpr(); }
  | expression
  ;

returnStmt
  : RET_OP                                         { TRY(Return(session)); }
  ;

/*
 * Control flow and jumps: GOTO forms with label expressions, CASE,
 * IF/ELSE/ENDIF, LOOP, FOR, WHILE, REPEAT/UNTIL and the label-range
 * repetitions.
 */

labelExpression
  : STRING_VALUE                                   { TRY(StringLiteral(session, $$, $1)); }
  | variableName                                   { TRY(LabelName(session, $$, $1)); }
  | AUX_VARNAME                                    { TRY(RParameter(session, $$, $1)); }
  | '(' expression ')'                             { $$ = $2; }
  | CONC_OP labelExpression                        { TRY(PrefixLabelConcatenation(session, $$, $2)); }
  | labelExpression CONC_OP labelExpression        { TRY(LabelConcatenation(session, $$, $1, $3)); }
  ;

gotoStmt
  : gotoCall labelExpression                       { TRY(Goto(session, $1, $2)); }
  ;

gotoCall
  : GOTO_OP                                        { $$ = Velkor::Orv::JumpDirection::Both; }
  | GOTOF_OP                                       { $$ = Velkor::Orv::JumpDirection::Forward; }
  | GOTOB_OP                                       { $$ = Velkor::Orv::JumpDirection::Backward; }
  ;

caseStmt
  : CASE_OP expression                             { TRY(CaseSelector(session, $2)); }
      caseOfList
  ;

caseOfList
  : OF_OP caseOf
  | caseOfList caseOf
  ;

signedIntValue
  : INTEGER_VALUE                                  { $$ = IntegerOfDigits($1); }
  | '-' INTEGER_VALUE                              { $$ = NegatedIntegerOfDigits($2); }
  ;

caseOf
  : signedIntValue gotoCall SI_ID                  { TRY(CaseBranch(session, $1, $2, $3)); }
  | DEFAULT_OP gotoCall SI_ID                      { TRY(CaseDefault(session, $2, $3)); }
  ;

openIfStmt
  : IF_OP expression                               { TRY(IfHead(session, $2)); }
  ;

ifStmt
  : openIfStmt ifTail lineContent
  | openIfStmt optionalComment
  ;

elseStmt
  : ELSE_OP                                        { TRY(Else(session)); }
  ;

endIfStmt
  : ENDIF_OP                                       { TRY(EndIf(session)); }
  ;

ifTail
  : ifThenContent                                  { TRY(OneLineIfEnd(session)); }
  ;

ifThenContent
  : cmdStmt
  | assignment
  | msgStmt
  | callSubProgStmt
  | returnStmt
  | gotoStmt
  ;

loopStmt
  : LOOP_OP                                        { TRY(Loop(session)); }
  ;

endLoopStmt
  : ENDLOOP_OP                                     { TRY(EndLoop(session)); }
  ;

forStmt
  : FOR_OP lValue '=' expression TO_OP expression  { TRY(For(session, $2, $4, $6)); }
  ;

endForStmt
  : ENDFOR_OP                                      { TRY(EndFor(session)); }
  ;

whileStmt
  : WHILE_OP expression                            { TRY(While(session, $2)); }
  ;

endWhileStmt
  : ENDWHILE_OP                                    { TRY(EndWhile(session)); }
  ;

repeatStmt
  : REPEAT_OP                                      { TRY(RepeatMark(session)); }
  | REPEAT_OP SI_ID optionalID repeatCount         { TRY(RepeatRange(session, $2, $3, $4)); }
  | REPEATB_OP optionalID repeatCount              { TRY(RepeatBlock(session, $2, $3)); }
  ;

untilStmt
  : UNTIL_OP expression                            { TRY(Until(session, $2)); }
  ;

optionalID
  : %empty                                         { $$ = session.arena().NewExpr(); }
  | SI_ID                                          { TRY(StringLiteral(session, $$, $1)); }
  ;

repeatCount
  : %empty                                         { TRY(DefaultRepeatCount(session, $$)); }
  | FIX_ADDRESS intermediate expression            { TRY(RepeatCount(session, $$, *$1, $3)); }
  ;

/*
 * Synchronized actions: the action heads with and without a condition, the
 * end of the action, CANCEL.
 */

syncStmt
  : syncID SYNC_OP expression DO_OP                { TRY(BeginConditionalAction(session, $1, $2, $3)); }
      lineContent                                  { EndSynchronizedAction(session); }
  | syncID DO_OP                                   { TRY(BeginUnconditionalAction(session, $1)); }
      lineContent                                  { EndSynchronizedAction(session); }
  | CANCEL_OP '(' cancelSyncIDList ')' optionalComment
  ;

syncID
  : %empty                                         { $$ = ""; }
  | ID_OP '=' INTEGER_VALUE                        { $$ = $3; }
  ;

cancelSyncIDList
  : INTEGER_VALUE                                  { CancelAction(session, $1); }
  | cancelSyncIDList ',' INTEGER_VALUE             { CancelAction(session, $3); }
  ;

/*
 * Bare expression (the expression entry point).
 */

exprInput
  : expression                                     { KeepExpressionResult(session, $1); }
  ;

%%
