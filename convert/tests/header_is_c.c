/* The public header compiles as C, and its call types match the calls. */
#include "vellum62.h"

int vellum62_header_compiles_as_c(void)
{
    vellum62_txt2h_fn text = txt2h;
    vellum62_c2h_fn code = c2h;
    vellum62_datalist_fn list = datalist;
    vellum62_reg_tbl_fn table = reg_tbl;
    vellum62_c2h_ex_fn codeEx = c2h_ex;
    vellum62_datalist_ex_fn listEx = datalist_ex;
    vellum62_reg_tbl_ex_fn tableEx = reg_tbl_ex;
    vellum62_reg_tbl_sized_fn tableSized = reg_tbl_sized;
    vellum62_c2h_colored_fn coloured = c2h_colored;
    return text != 0 && code != 0 && list != 0 && table != 0 && codeEx != 0 && listEx != 0 && tableEx != 0 &&
           tableSized != 0 && coloured != 0 && VELLUM62_INPUT_IS_BINARY == -8 &&
           VELLUM62_DONE == 0 && (VELLUM62_UTF8 | VELLUM62_DECLARE_CHARSET | VELLUM62_CSV_QUOTES |
                                  VELLUM62_ESCAPE_DATA) == 15;
}
