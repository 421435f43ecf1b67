-- Accounting vouchers: header and two sets of entries (local GAAP and IFRS).
-- A voucher is identified by ENCO_CONSEC; its code is voucher type + prefix
-- + number (TICO_COD, PRCO_PREF, ENCO_NUMERO).
--
-- No foreign keys: vouchers received from another company are written one
-- row at a time and may name accounts, third parties or cost centres that
-- arrive later (or never).

CREATE TABLE COMPROBANTE_ENCABEZADO (
  ENCO_CONSEC            INTEGER        NOT NULL,   -- 0  identifier
  TICO_COD               CHAR(3)        NOT NULL,   -- 1  voucher type
  PRCO_PREF              VARCHAR(10)    NOT NULL,   -- 2  prefix
  ENCO_NUMERO            VARCHAR(10)    NOT NULL,   -- 3  number (6 digits)
  ENCO_FECHA             DATE           NOT NULL,   -- 4  date of the voucher
  ENCO_DESCRIPCION       VARCHAR(200),              -- 5
  ENCO_TOTAL_DEBITO      NUMERIC(15,2)  DEFAULT 0,  -- 6
  ENCO_TOTAL_CREDITO     NUMERIC(15,2)  DEFAULT 0,  -- 7
  ENCO_VALOR_CONCILIADO  NUMERIC(15,2)  DEFAULT 0,  -- 8  amount matched in bank reconciliations
                                                    --    (a voucher received from another
                                                    --    company arrives unreconciled: 0)
  TIDO_COD               INTEGER,                   -- 9  type of the document that generated it
  ENCO_IDDOC             INTEGER,                   -- 10 identifier of that document
  TERC_NIT               VARCHAR(20),               -- 11 main third party
  ENCO_ANULADO           CHAR(1)        DEFAULT 'N' NOT NULL,  -- 12 S when voided
  ENCO_CUADRADO          CHAR(1)        DEFAULT 'S',           -- 13 S when debits = credits
  ENCO_USUARIO           VARCHAR(10),               -- 14 user who registered it
  ENCO_FECREG            TIMESTAMP      DEFAULT CURRENT_TIMESTAMP,  -- 15
  ENCO_OBSERVACIONES     BLOB SUB_TYPE TEXT,        -- 16 free notes
  CONSTRAINT PK_COMPROBANTE_ENCABEZADO PRIMARY KEY (ENCO_CONSEC)
);

-- look-up of a voucher by its code (type, prefix, number)
CREATE INDEX IX_COMPROBANTE_ENC_CODIGO ON COMPROBANTE_ENCABEZADO (TICO_COD, PRCO_PREF, ENCO_NUMERO);
CREATE INDEX IX_COMPROBANTE_ENC_FECHA  ON COMPROBANTE_ENCABEZADO (ENCO_FECHA);

-- Entries under local accounting rules.  One row per line of the voucher.
CREATE TABLE COMPROBANTE_DETALLE (
  ENCO_CONSEC        INTEGER        NOT NULL,   -- 0  voucher (COMPROBANTE_ENCABEZADO)
  DECO_ITEM          INTEGER        NOT NULL,   -- 1  line number within the voucher
  CUEN_COD           VARCHAR(20)    NOT NULL,   -- 2  account
  TERC_NIT           VARCHAR(20),               -- 3  third party
  CECO_COD           VARCHAR(10),               -- 4  cost centre
  DECO_DESCRIPCION   VARCHAR(120),              -- 5
  DECO_DEBITO        NUMERIC(15,2)  DEFAULT 0,  -- 6
  DECO_CREDITO       NUMERIC(15,2)  DEFAULT 0,  -- 7
  DECO_BASE          NUMERIC(15,2)  DEFAULT 0,  -- 8  taxable base (withholdings)
  DECO_DOCREF        VARCHAR(20),               -- 9  supporting document (prefix + number)
  DECO_FECVENCE      DATE,                      -- 10 due date of the supporting document
  CONSTRAINT PK_COMPROBANTE_DETALLE PRIMARY KEY (ENCO_CONSEC, DECO_ITEM)
);

CREATE INDEX IX_COMPROBANTE_DET_CUENTA ON COMPROBANTE_DETALLE (CUEN_COD);

-- Entries under IFRS, same layout.
CREATE TABLE COMPROBANTE_DETALLE_NIIF (
  ENCO_CONSEC        INTEGER        NOT NULL,   -- 0  voucher (COMPROBANTE_ENCABEZADO)
  DCNI_ITEM          INTEGER        NOT NULL,   -- 1  line number within the voucher
  CUEN_COD           VARCHAR(20)    NOT NULL,   -- 2  IFRS account
  TERC_NIT           VARCHAR(20),               -- 3
  CECO_COD           VARCHAR(10),               -- 4
  DCNI_DESCRIPCION   VARCHAR(120),              -- 5
  DCNI_DEBITO        NUMERIC(15,2)  DEFAULT 0,  -- 6
  DCNI_CREDITO       NUMERIC(15,2)  DEFAULT 0,  -- 7
  DCNI_BASE          NUMERIC(15,2)  DEFAULT 0,  -- 8
  DCNI_DOCREF        VARCHAR(20),               -- 9
  DCNI_FECVENCE      DATE,                      -- 10
  CONSTRAINT PK_COMPROBANTE_DETALLE_NIIF PRIMARY KEY (ENCO_CONSEC, DCNI_ITEM)
);

CREATE INDEX IX_COMPROBANTE_NIIF_CUENTA ON COMPROBANTE_DETALLE_NIIF (CUEN_COD);
