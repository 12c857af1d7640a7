#include "records/reference_records.h"

#include "common/reply_row.h"

KeyedList<TST_LIST> G_ST_LIST;
const QStringList &G_SL_ST_CODE = G_ST_LIST.codes();
KeyedList<THD_LIST> G_HD_LIST;
const QStringList &G_SL_HD_CODE = G_HD_LIST.codes();
QStringList G_SL_BR_CODE;
QStringList G_SL_BR_DVRY_TYPE;
QList<TCOM_CODE_LIST> G_COM_CODE_LIST;
QStringList G_SL_O3_COL11;
QStringList G_SL_O3_VAL2;
QStringList G_SL_O3_COL14;
QList<TCONFIG_CODE_LIST> G_CONFIG_CODE_LIST;
QList<TDVRY_GRP_INFO> G_DVRY_GRP_INFO;
QList<TDVRY_LIST> G_DVRY_OUT_LIST;
QList<TSHARE_GROUP> G_SHARE_GROUP;
QList<TSAMEDAYINFO> G_SAMEDAY_INFO;
QStringList G_SL_PROVINCE;
QStringList G_SL_SEL_BR_CODE;
QStringList G_SL_SEL_DVRY_TYPE;
QStringList G_SL_SEL_MASTER_ST;
QStringList G_SL_SEL_MASTER_DVRY;
QStringList G_SL_SEL_PATH_CD;
QStringList G_SL_SEL_POS_TYPE;
QStringList G_SL_MASTER_ST_CODE;
QStringList G_SL_MASTER_DVRY_TYPE;
QStringList G_SL_MASTER_BR_CODE;

void FillComCodeRow(TCOM_CODE_LIST &rec, const ReplyRow &row)
{
    rec.SY_CODE = row.text(0);
    rec.SY_NAME = row.text(1);
    rec.DT_CODE = row.text(2);
    rec.DT_NAME = row.text(3);
    rec.MOD_DATE = row.text(4);
    rec.VIEW_ORDER = row.text(5);
    rec.PARENT_SY_CODE = row.text(6);
    rec.PARENT_DT_CODE = row.text(7);
    rec.DT_VALUE = row.text(8);
    rec.DATA_STATUS = row.text(9);
    rec.DT_VALUE2 = row.text(10);
    rec.DT_VALUE3 = row.text(11);
}

void FillConfigCodeRow(TCONFIG_CODE_LIST &rec, const ReplyRow &row)
{
    rec.CFG_TYPE = row.text(0);
    rec.CFG_NAME = row.text(1);
    rec.CFG_VALUE = row.text(2);
    rec.REF_CODE = row.text(3);
    rec.MOD_DATE = row.text(4);
    rec.DATA_STATUS = row.text(5);
}

void FillHdRow(THD_LIST &rec, const ReplyRow &row)
{
    rec.HD_CODE = row.text(0);
    rec.HD_Name = row.text(1);
    rec.HD_Tel = row.text(2);
    rec.CASH_HD = row.text(3);
    rec.DATA_STATUS = row.text(4);
    rec.CYBANK_TYPE_CD = row.text(5);
    rec.CYBANK_ACCOUNT = row.text(6);
    rec.CYBANK_TYPE_NAME = row.text(7);
    rec.BR_MNG_ADD_PRICE_YN = row.trimmed(8);
}

void FillBrRow(TBR_LIST &rec, const ReplyRow &row)
{
    rec.BR_CODE = row.text(0);
    rec.BR_Name = row.text(1);
    rec.BR_TEL = row.text(2);
    rec.CASH_BR = row.text(3);
    rec.DATA_STATUS = row.text(4);
    rec.DVRY_TYPE_CD = row.text(5);
    rec.CYBANK_TYPE_CD = row.text(6);
    rec.CYBANK_ACCOUNT = row.text(7);
    rec.CYBANK_TYPE_NAME = row.text(8);
    rec.HD_CODE = row.text(9);
    rec.MNG_YN = QStringLiteral("N");
}

void FillShareGroupRow(TSHARE_GROUP &rec, const ReplyRow &row)
{
    rec.SHARE_TYPE = row.text(0);
    rec.DVRY_TYPE_CD = row.text(1);
    rec.SH_DVRY_TYPE_CD = row.text(2);
    rec.SHARE_TIME = row.toInt(3, 10);
    rec.DVRY_SHARE_TYPE = row.trimmed(4);
}

void FillDvryOutRow(TDVRY_LIST &rec, const ReplyRow &row)
{
    rec.ST_CODE = row.text(0);
    rec.DVRY_TYPE_CD = row.text(1);
    rec.DT_NAME = row.text(2);
    rec.MNG_BR_CODE = row.text(3);
    rec.MNG_1_FEE = row.toInt(4, 0);
    rec.MNG_2_FEE = row.toInt(5, 0);
    rec.EX_YN = row.text(6);
    rec.EX_CHARGE = row.toInt(7, 0);
    rec.EX_S_TIME = row.text(8);
    rec.EX_E_TIME = row.text(9);
    rec.BR_TEL = row.text(10);
}

TBR_LIST *FindBranch(const QString &brCode)
{
    for (THD_LIST &hd : G_HD_LIST) {
        if (TBR_LIST *br = hd.BR_LIST.find(brCode))
            return br;
    }
    return nullptr;
}

const TCOM_CODE_LIST *FindComCode(const QString &syCode, const QString &dtCode)
{
    for (const TCOM_CODE_LIST &row : G_COM_CODE_LIST) {
        if (row.SY_CODE == syCode && row.DT_CODE == dtCode)
            return &row;
    }
    return nullptr;
}

void ResetReferenceRecords()
{
    G_ST_LIST.clear();
    G_HD_LIST.clear();
    G_SL_BR_CODE.clear();
    G_SL_BR_DVRY_TYPE.clear();
    G_COM_CODE_LIST.clear();
    G_SL_O3_COL11.clear();
    G_SL_O3_VAL2.clear();
    G_SL_O3_COL14.clear();
    G_CONFIG_CODE_LIST.clear();
    G_DVRY_GRP_INFO.clear();
    G_DVRY_OUT_LIST.clear();
    G_SHARE_GROUP.clear();
    G_SAMEDAY_INFO.clear();
    G_SL_PROVINCE.clear();
    G_SL_SEL_BR_CODE.clear();
    G_SL_SEL_DVRY_TYPE.clear();
    G_SL_SEL_MASTER_ST.clear();
    G_SL_SEL_MASTER_DVRY.clear();
    G_SL_SEL_PATH_CD.clear();
    G_SL_SEL_POS_TYPE.clear();
    G_SL_MASTER_ST_CODE.clear();
    G_SL_MASTER_DVRY_TYPE.clear();
    G_SL_MASTER_BR_CODE.clear();
}
