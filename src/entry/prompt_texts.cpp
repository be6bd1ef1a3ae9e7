#include "entry/prompt_texts.h"

#include <array>

namespace chainadj {
namespace {

// Enter, confirm, re-enter, confirm again; odd spacing and wording as always shown.
constexpr std::array<PromptTexts, 23> kPrompts = {{
    {"请输入起算点 A 点的纵座标 Xa :",
     "已经输入的起算点 A 点的纵座标 Xa 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起算点 A 点正确的纵座标 Xa :",
     "这次输入的起算点 A 点的纵座标 Xa是否正确 ?  输入正确按  Enter 键或多或 OK 键( 即:  Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起算点 A 点的横座标 Ya :",
     "已经输入的起算点 A 点的横座标 Ya 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即:  Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起算点 A 点正确的横座标 Ya :",
     "这次输入的起算点 A 点的横座标 Ya 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起闭点 B 点的纵座标 Xb :",
     "已经输入的起闭点 B 点的纵座标 Xb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起闭点 B 点正确的纵座标 Xb :",
     "这次输入的起闭点 B 点的纵座标 Xb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起闭点 B 点的横座标 Yb :",
     "已经输入的起闭点 B 点的横座标 Yb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起闭点 B 点正确的横座标 Yb :",
     "这次输入的起闭点 B 点的横座标 Yb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起闭点 C 点的纵座标 Xc :",
     "已经输入的起闭点 C 点的纵座标 Xc 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起闭点 C 点正确的纵座标 Xc :",
     "这次输入的起闭点 C 点的纵座标 Xc 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起闭点 C 点的横座标 Yc :",
     "已经输入的起闭点 C 点的横座标 Yc 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起闭点 C 点正确的横座标 Yc :",
     "这次输入的起闭点 C 点的横横座标 Yc 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起闭点 D 的纵座标 Yd :",
     "已经输入的起闭点 D 的纵座标 Xd 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起闭点 D 正确的纵座标 Xd :",
     "这次输入的起闭点 D 的纵座标 Xd 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起闭点 D 点的横座标 Yd :",
     "已经输入的起闭点 D 点的横座标 Yd 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入起闭点 D 点正确的横座标 Yd :",
     "这次输入的起闭点 D 点的横座标 Yd 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入定向点 E 点的纵座标 Xe :",
     "已经输入的起闭点 E 点的纵座标 Xe 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "请输入定向点 E 点正确的纵座标 Xe :",
     "这次输入的定向点 E 点的纵座标 Xe 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入定向点 E 点的横座标 Ye :",
     "已经输入的定向点 E 点的横座标 Ye 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "请输入定向点 E 点正确的横座标 Ye :",
     "这次输入的定向点 E 点的横座标 Ye 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入定向点 F 点的纵座标 Xf :",
     "已经输入的定向点 F 点的纵座标 Xf 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "请输入定向点 F 点正确的纵座标 Xf :",
     "这次输入的定向点 F 点的纵座标 Xf 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入定向点 F 点的横座标 Yf :",
     "已经输入的定向点 F 点的横座标 Yf 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "请输入定向点 F 点正确的横座标 Yf :",
     "这次输入的定向点 F 点的横座标 Yf 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起始边长 Sa :  ( 没有起始边长 Sa 输入零, 即: Sa=0 )",
     "已经输入的起始基线的边长 Sa 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入正确的起始基线的边长 Sa :",
     "这次输入的起始基线的边长 Sa 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入闭合点 B 点的闭合边长 Sb :  没有闭合边长 Sb 输入零( 即: Sb=0 )",
     "已经输入的闭合边长 Sb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入闭合点 B 点正确的闭合边长 Sb :",
     "这次输入的闭合边长 Sb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"是否由键盘输入起始外方位角 Ta  的确定符号 : 是由键盘输入( 包括 Ta=0 )则输入 Y ( 即: Tag=Y ); 無定向线形锁输入 N ( 即: Tag=N )",
     "输入的确定符号是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 ) ",
     "输入正确的确定符号 :",
     "这次输入的确定符号是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 ) "},
    {"请输入起始 A 点的起始外方位角 Ta :  如果是無定向锁  Ta  输入零( 即: Ta=0 )",
     "已经输入的起始外方位角 Ta 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入正确的起始外方位角 Ta :",
     "这次输入的起始外方位角 Ta 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"有闭合外方位角 Tb 则输入 Y ( 即: TbG=Y );  没有闭合外方位角或無定向线形锁输入 N ( 即: TbG=N )",
     "输入的确定符号是否正确 ?  输入正确按 Enter 键或多或 OK 键 );  输入错误按零( 即: 0 ) ",
     "输入正确的确定符号 :",
     "这次输入的确定符号是否正确 ?  输入正确按 Enter 键或多或 OK 键 );  输入错误按零( 即: 0 ) "},
    {"请输入闭合外方位角 Tb :",
     "已经输入的闭合外方位角 Tb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入正确的闭合外方位角 Tb :",
     "这次输入的闭合外方位角 Tb 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入起算点 A 点的定向角 Qa :",
     "已经输入起算点 A 点的定向角 Qa 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入正确的定向角 Qa :",
     "这次输入的定向角 Qa 是否正确 ?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入闭合点 B 点的定向角 Qb:",
     "已经输入起算点 B 点的定向角 Qb 是否正确?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )",
     "输入正确的定向角 Qb:",
     "这次输入的定向角 Qb 是否正确?  输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );  输入错误按零( 即: 0 )"},
    {"请输入求距角  A(i)  的数值 :",
     "已经输入的求距角  A(i) 是否正确 ?   输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );   输入错误按零( 即: 0 )",
     "输入正确的求距角  A(i) :",
     "这次输入的求距角  A(i)  是否正确 ?   输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );   输入错误按零( 即: 0 )"},
    {"请输入前进角  B(i)  的数值 :",
     "已经输入的前进角  B(i)  是否正确 ?   输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );   输入错误按零( 即: 0 )",
     "输入正确的前进角  B(i) :",
     "这次输入的前进角  B(i)  是否正确 ?   输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );   输入错误按零( 即: 0 )"},
    {"请输入间隔角  C(i)  的数值 :    位于方位角推算路线右侧, C(i)  输入负值( 即: -C(i)",
     "已经输入的间隔角  C(i)  是否正确 ?   输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );   输入错误按零( 即: 0 )",
     "输入正确的间隔角  C(i) :",
     "这次输入的间隔角  C(i)  是否正确 ?   输入正确按 Enter 键或多或 OK 键( 即: Enter 键或多或 OK 键 );   输入错误按零( 即: 0 )"},
}};

}  // namespace

const PromptTexts& promptTexts(InputItem item) { return kPrompts[static_cast<std::size_t>(item)]; }

const PromptStrings& promptStrings(InputItem item) {
  static const std::array<PromptStrings, kPrompts.size()> strings = [] {
    std::array<PromptStrings, kPrompts.size()> made;
    for (std::size_t k = 0; k < kPrompts.size(); ++k) {
      made[k] = {kPrompts[k].enter, kPrompts[k].confirm, kPrompts[k].reenter,
                 kPrompts[k].confirmAgain};
    }
    return made;
  }();
  return strings[static_cast<std::size_t>(item)];
}

}  // namespace chainadj
