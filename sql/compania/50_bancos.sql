-- Bank documents.  Each is kept against a bank account (CUBA_COD, the
-- numeric code of CUENTAS_BANCARIAS) and numbered per account with its own
-- prefix (PRBA_PREF): a bank document is identified by account + prefix +
-- number.  Identifier at position 0; <stem>_ANULADO = 'S' when voided.

-- Deposits into a bank account; the cheques and cash deposited are its lines.
CREATE TABLE CONSIGNA (
  CONS_ID             INTEGER NOT NULL,                     -- 0  identifier
  CUBA_COD            INTEGER NOT NULL,                     -- 1  bank account
  PRBA_PREF           VARCHAR(10) NOT NULL,                 -- 2  prefix of the account's series
  CONS_NUMERO         VARCHAR(10) NOT NULL,                 -- 3  number (6 digits)
  CONS_FECHA          DATE NOT NULL,                        -- 4  date of the document
  TERC_NIT            VARCHAR(20),                          -- 5  third party
  CAJA_COD            VARCHAR(5),                           -- 6  cash till the money comes from
  CONS_EFECTIVO       NUMERIC(15,2) DEFAULT 0,              -- 7  cash deposited
  CONS_CHEQUES        NUMERIC(15,2) DEFAULT 0,              -- 8  cheques deposited
  CONS_DESCRIPCION    VARCHAR(200),                         -- 9  description
  CONS_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value
  CONS_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 11 S when voided
  CONS_CONCILIADO     CHAR(1) DEFAULT 'N',                  -- 12 S when matched in a bank reconciliation
  CONS_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 13 S when posted to accounting
  CONS_USUARIO        VARCHAR(10),                          -- 14 user who registered it
  CONS_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_CONSIGNA PRIMARY KEY (CONS_ID)
);
CREATE INDEX IX_CONSIGNA_NUM ON CONSIGNA (CUBA_COD, PRBA_PREF, CONS_NUMERO);

-- Lines of a deposit.
CREATE TABLE CONSIGNA_DETALLE (
  CONS_ID         INTEGER NOT NULL,         -- 0  deposit (header identifier)
  CODE_ITEM       INTEGER NOT NULL,         -- 1  line number
  FOPA_COD        VARCHAR(5) NOT NULL,      -- 2  EF cash, CH cheque
  BANC_COD        VARCHAR(5),               -- 3  bank of the cheque
  CODE_NUMCHEQUE  VARCHAR(20),              -- 4  cheque number
  CODE_GIRADOR    VARCHAR(120),             -- 5  drawer of the cheque
  CODE_FECHA      DATE,                     -- 6  date of the cheque
  CODE_VALOR      NUMERIC(15,2) DEFAULT 0,  -- 7  value
  CONSTRAINT PK_CONSIGNA_DETALLE PRIMARY KEY (CONS_ID, CODE_ITEM)
);

-- Cheques written on an account.
CREATE TABLE CHEQUES (
  CHEQ_ID             INTEGER NOT NULL,                     -- 0  identifier
  CUBA_COD            INTEGER NOT NULL,                     -- 1  bank account
  PRBA_PREF           VARCHAR(10) NOT NULL,                 -- 2  prefix of the account's series
  CHEQ_NUMERO         VARCHAR(10) NOT NULL,                 -- 3  number (6 digits)
  CHEQ_FECHA          DATE NOT NULL,                        -- 4  date of the document
  TERC_NIT            VARCHAR(20),                          -- 5  payee
  CHEQ_BENEFICIARIO   VARCHAR(120),                         -- 6  name written on the cheque
  CHEQ_FECHA_COBRO    DATE,                                 -- 7  date cashed
  CHEQ_ESTADO         CHAR(1) DEFAULT 'G',                  -- 8  G issued, C cashed, D returned
  CHEQ_DESCRIPCION    VARCHAR(200),                         -- 9  description
  CHEQ_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value
  CHEQ_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 11 S when voided
  CHEQ_CONCILIADO     CHAR(1) DEFAULT 'N',                  -- 12 S when matched in a bank reconciliation
  CHEQ_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 13 S when posted to accounting
  CHEQ_USUARIO        VARCHAR(10),                          -- 14 user who registered it
  CHEQ_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 15 registration time
  CONSTRAINT PK_CHEQUES PRIMARY KEY (CHEQ_ID)
);
CREATE INDEX IX_CHEQUES_NUM ON CHEQUES (CUBA_COD, PRBA_PREF, CHEQ_NUMERO);

-- Cash withdrawals from an account.
CREATE TABLE RETIROS (
  RETI_ID             INTEGER NOT NULL,                     -- 0  identifier
  CUBA_COD            INTEGER NOT NULL,                     -- 1  bank account
  PRBA_PREF           VARCHAR(10) NOT NULL,                 -- 2  prefix of the account's series
  RETI_NUMERO         VARCHAR(10) NOT NULL,                 -- 3  number (6 digits)
  RETI_FECHA          DATE NOT NULL,                        -- 4  date of the document
  TERC_NIT            VARCHAR(20),                          -- 5  third party
  CAJA_COD            VARCHAR(5),                           -- 6  cash till the money goes to
  RETI_DESCRIPCION    VARCHAR(200),                         -- 7  description
  RETI_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 8  value
  RETI_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 9  S when voided
  RETI_CONCILIADO     CHAR(1) DEFAULT 'N',                  -- 10 S when matched in a bank reconciliation
  RETI_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 11 S when posted to accounting
  RETI_USUARIO        VARCHAR(10),                          -- 12 user who registered it
  RETI_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 13 registration time
  CONSTRAINT PK_RETIROS PRIMARY KEY (RETI_ID)
);
CREATE INDEX IX_RETIROS_NUM ON RETIROS (CUBA_COD, PRBA_PREF, RETI_NUMERO);

-- Debit notes of the bank (charges to the account).
CREATE TABLE NOTAS_DEBITO (
  NDBC_ID             INTEGER NOT NULL,                     -- 0  identifier
  CUBA_COD            INTEGER NOT NULL,                     -- 1  bank account
  PRBA_PREF           VARCHAR(10) NOT NULL,                 -- 2  prefix of the account's series
  NDBC_NUMERO         VARCHAR(10) NOT NULL,                 -- 3  number (6 digits)
  NDBC_FECHA          DATE NOT NULL,                        -- 4  date of the document
  NDBC_CONCEPTO       VARCHAR(10),                          -- 5  bank charge, tax, interest...
  CUEN_COD            VARCHAR(20),                          -- 6  counterpart account
  CECO_COD            VARCHAR(10),                          -- 7  cost centre
  NDBC_DESCRIPCION    VARCHAR(200),                         -- 8  description
  NDBC_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 9  value
  NDBC_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 10 S when voided
  NDBC_CONCILIADO     CHAR(1) DEFAULT 'N',                  -- 11 S when matched in a bank reconciliation
  NDBC_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 12 S when posted to accounting
  NDBC_USUARIO        VARCHAR(10),                          -- 13 user who registered it
  NDBC_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 14 registration time
  CONSTRAINT PK_NOTAS_DEBITO PRIMARY KEY (NDBC_ID)
);
CREATE INDEX IX_NOTAS_DEBITO_NUM ON NOTAS_DEBITO (CUBA_COD, PRBA_PREF, NDBC_NUMERO);

-- Credit notes of the bank (credits to the account).
CREATE TABLE NOTAS_CREDITO (
  NCBC_ID             INTEGER NOT NULL,                     -- 0  identifier
  CUBA_COD            INTEGER NOT NULL,                     -- 1  bank account
  PRBA_PREF           VARCHAR(10) NOT NULL,                 -- 2  prefix of the account's series
  NCBC_NUMERO         VARCHAR(10) NOT NULL,                 -- 3  number (6 digits)
  NCBC_FECHA          DATE NOT NULL,                        -- 4  date of the document
  NCBC_CONCEPTO       VARCHAR(10),                          -- 5  interest, refund, transfer received...
  CUEN_COD            VARCHAR(20),                          -- 6  counterpart account
  TERC_NIT            VARCHAR(20),                          -- 7  third party
  NCBC_DESCRIPCION    VARCHAR(200),                         -- 8  description
  NCBC_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 9  value
  NCBC_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 10 S when voided
  NCBC_CONCILIADO     CHAR(1) DEFAULT 'N',                  -- 11 S when matched in a bank reconciliation
  NCBC_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 12 S when posted to accounting
  NCBC_USUARIO        VARCHAR(10),                          -- 13 user who registered it
  NCBC_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 14 registration time
  CONSTRAINT PK_NOTAS_CREDITO PRIMARY KEY (NCBC_ID)
);
CREATE INDEX IX_NOTAS_CREDITO_NUM ON NOTAS_CREDITO (CUBA_COD, PRBA_PREF, NCBC_NUMERO);

-- Transfers from an account (CUBA_COD) to another (CUBA_DESTINO).
CREATE TABLE TRASLADOS (
  TRAS_ID             INTEGER NOT NULL,                     -- 0  identifier
  CUBA_COD            INTEGER NOT NULL,                     -- 1  bank account
  PRBA_PREF           VARCHAR(10) NOT NULL,                 -- 2  prefix of the account's series
  TRAS_NUMERO         VARCHAR(10) NOT NULL,                 -- 3  number (6 digits)
  TRAS_FECHA          DATE NOT NULL,                        -- 4  date of the document
  CUBA_DESTINO        INTEGER NOT NULL,                     -- 5  bank account that receives
  TRAS_FORMA          CHAR(1) DEFAULT 'T',                  -- 6  T electronic transfer, C cheque
  TRAS_DESCRIPCION    VARCHAR(200),                         -- 7  description
  TRAS_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 8  value
  TRAS_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 9  S when voided
  TRAS_CONCILIADO     CHAR(1) DEFAULT 'N',                  -- 10 S when matched in a bank reconciliation
  TRAS_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 11 S when posted to accounting
  TRAS_USUARIO        VARCHAR(10),                          -- 12 user who registered it
  TRAS_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 13 registration time
  CONSTRAINT PK_TRASLADOS PRIMARY KEY (TRAS_ID)
);
CREATE INDEX IX_TRASLADOS_NUM ON TRASLADOS (CUBA_COD, PRBA_PREF, TRAS_NUMERO);

-- Cheques returned unpaid by the bank.  Numbered in DVCH_NUMDOC.
CREATE TABLE DEVOLUCION_CHEQUES (
  DVCH_ID             INTEGER NOT NULL,                     -- 0  identifier
  CUBA_COD            INTEGER NOT NULL,                     -- 1  bank account
  PRBA_PREF           VARCHAR(10) NOT NULL,                 -- 2  prefix of the account's series
  DVCH_NUMDOC         VARCHAR(10) NOT NULL,                 -- 3  number (6 digits)
  DVCH_FECHA          DATE NOT NULL,                        -- 4  date of the document
  TERC_NIT            VARCHAR(20),                          -- 5  customer whose cheque bounced
  BANC_COD            VARCHAR(5),                           -- 6  bank of the cheque
  DVCH_NUMCHEQUE      VARCHAR(20),                          -- 7  cheque returned
  DVCH_MOTIVO         VARCHAR(60),                          -- 8  reason given by the bank
  DVCH_DESCRIPCION    VARCHAR(200),                         -- 9  description
  DVCH_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value
  DVCH_COMISION       NUMERIC(15,2) DEFAULT 0,              -- 11 bank charge for the return
  DVCH_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 12 S when voided
  DVCH_CONCILIADO     CHAR(1) DEFAULT 'N',                  -- 13 S when matched in a bank reconciliation
  DVCH_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 14 S when posted to accounting
  DVCH_USUARIO        VARCHAR(10),                          -- 15 user who registered it
  DVCH_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 16 registration time
  CONSTRAINT PK_DEVOLUCION_CHEQUES PRIMARY KEY (DVCH_ID)
);
CREATE INDEX IX_DEVOLUCION_CHEQUES_NUM ON DEVOLUCION_CHEQUES (CUBA_COD, PRBA_PREF, DVCH_NUMDOC);
