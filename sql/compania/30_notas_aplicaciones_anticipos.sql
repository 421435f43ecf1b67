-- Client and supplier account documents: debit and credit notes,
-- applications (a payment or credit applied to the documents it settles)
-- and advances.  Same conventions as the other documents.
--
-- A line that names another document keeps its type (TIDO_COD), its
-- identifier and its code (prefix and number): the identifier is found again
-- by code when the line is received from another company.

-- ---------------------------------------------------------------- notes

-- Debit notes to customers.  New notes received from another company take their
-- identifier from the same series as the credit notes (cambie_id_notadbclie).
CREATE TABLE NOTAS_DEBITO_CLIENTES (
  NDCL_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  NDCL_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  NDCL_FECHA          DATE NOT NULL,                        -- 3  date of the note
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer
  NDCL_CONCEPTO       VARCHAR(10),                          -- 5  concept of the note
  TIDO_COD            INTEGER,                              -- 6  type of the document it affects
  NDCL_PREFDOC        VARCHAR(10),                          -- 7  prefix of that document
  NDCL_NUMDOC         VARCHAR(10),                          -- 8  number of that document
  NDCL_DESCRIPCION    VARCHAR(200),                         -- 9  description
  NDCL_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value before tax
  NDCL_IVA            NUMERIC(15,2) DEFAULT 0,              -- 11 VAT
  NDCL_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 12 income tax withheld
  NDCL_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 13 total of the note
  NDCL_SALDO          NUMERIC(15,2) DEFAULT 0,              -- 14 balance not yet applied
  CUEN_COD            VARCHAR(20),                          -- 15 counterpart account
  CECO_COD            VARCHAR(10),                          -- 16 cost centre
  NDCL_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 17 S when voided
  NDCL_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 18 S when posted to accounting
  NDCL_USUARIO        VARCHAR(10),                          -- 19 user who registered it
  NDCL_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 20 registration time
  CONSTRAINT PK_NOTAS_DEBITO_CLIENTES PRIMARY KEY (NDCL_ID)
);
CREATE INDEX IX_NOTAS_DEBITO_CLIENTES_NUM ON NOTAS_DEBITO_CLIENTES (PREF_PRE, NDCL_NUMERO);

-- Credit notes to customers.
CREATE TABLE NOTAS_CREDITO_CLIENTES (
  NCCL_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  NCCL_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  NCCL_FECHA          DATE NOT NULL,                        -- 3  date of the note
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer
  NCCL_CONCEPTO       VARCHAR(10),                          -- 5  concept of the note
  TIDO_COD            INTEGER,                              -- 6  type of the document it affects
  NCCL_PREFDOC        VARCHAR(10),                          -- 7  prefix of that document
  NCCL_NUMDOC         VARCHAR(10),                          -- 8  number of that document
  NCCL_DESCRIPCION    VARCHAR(200),                         -- 9  description
  NCCL_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value before tax
  NCCL_IVA            NUMERIC(15,2) DEFAULT 0,              -- 11 VAT
  NCCL_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 12 income tax withheld
  NCCL_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 13 total of the note
  NCCL_SALDO          NUMERIC(15,2) DEFAULT 0,              -- 14 balance not yet applied
  CUEN_COD            VARCHAR(20),                          -- 15 counterpart account
  CECO_COD            VARCHAR(10),                          -- 16 cost centre
  NCCL_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 17 S when voided
  NCCL_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 18 S when posted to accounting
  NCCL_USUARIO        VARCHAR(10),                          -- 19 user who registered it
  NCCL_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 20 registration time
  CONSTRAINT PK_NOTAS_CREDITO_CLIENTES PRIMARY KEY (NCCL_ID)
);
CREATE INDEX IX_NOTAS_CREDITO_CLIENTES_NUM ON NOTAS_CREDITO_CLIENTES (PREF_PRE, NCCL_NUMERO);

-- Debit notes to suppliers.
CREATE TABLE NOTAS_DEBITO_PROVEEDOR (
  NDPR_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  NDPR_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  NDPR_FECHA          DATE NOT NULL,                        -- 3  date of the note
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  supplier
  NDPR_CONCEPTO       VARCHAR(10),                          -- 5  concept of the note
  TIDO_COD            INTEGER,                              -- 6  type of the document it affects
  NDPR_PREFDOC        VARCHAR(10),                          -- 7  prefix of that document
  NDPR_NUMDOC         VARCHAR(10),                          -- 8  number of that document
  NDPR_DESCRIPCION    VARCHAR(200),                         -- 9  description
  NDPR_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value before tax
  NDPR_IVA            NUMERIC(15,2) DEFAULT 0,              -- 11 VAT
  NDPR_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 12 income tax withheld
  NDPR_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 13 total of the note
  NDPR_SALDO          NUMERIC(15,2) DEFAULT 0,              -- 14 balance not yet applied
  CUEN_COD            VARCHAR(20),                          -- 15 counterpart account
  CECO_COD            VARCHAR(10),                          -- 16 cost centre
  NDPR_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 17 S when voided
  NDPR_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 18 S when posted to accounting
  NDPR_USUARIO        VARCHAR(10),                          -- 19 user who registered it
  NDPR_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 20 registration time
  CONSTRAINT PK_NOTAS_DEBITO_PROVEEDOR PRIMARY KEY (NDPR_ID)
);
CREATE INDEX IX_NOTAS_DEBITO_PROVEEDOR_NUM ON NOTAS_DEBITO_PROVEEDOR (PREF_PRE, NDPR_NUMERO);

-- Credit notes from suppliers.
CREATE TABLE NOTAS_CREDITO_PROVEEDOR (
  NCPR_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  NCPR_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  NCPR_FECHA          DATE NOT NULL,                        -- 3  date of the note
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  supplier
  NCPR_CONCEPTO       VARCHAR(10),                          -- 5  concept of the note
  TIDO_COD            INTEGER,                              -- 6  type of the document it affects
  NCPR_PREFDOC        VARCHAR(10),                          -- 7  prefix of that document
  NCPR_NUMDOC         VARCHAR(10),                          -- 8  number of that document
  NCPR_DESCRIPCION    VARCHAR(200),                         -- 9  description
  NCPR_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 10 value before tax
  NCPR_IVA            NUMERIC(15,2) DEFAULT 0,              -- 11 VAT
  NCPR_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 12 income tax withheld
  NCPR_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 13 total of the note
  NCPR_SALDO          NUMERIC(15,2) DEFAULT 0,              -- 14 balance not yet applied
  CUEN_COD            VARCHAR(20),                          -- 15 counterpart account
  CECO_COD            VARCHAR(10),                          -- 16 cost centre
  NCPR_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 17 S when voided
  NCPR_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 18 S when posted to accounting
  NCPR_USUARIO        VARCHAR(10),                          -- 19 user who registered it
  NCPR_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 20 registration time
  CONSTRAINT PK_NOTAS_CREDITO_PROVEEDOR PRIMARY KEY (NCPR_ID)
);
CREATE INDEX IX_NOTAS_CREDITO_PROVEEDOR_NUM ON NOTAS_CREDITO_PROVEEDOR (PREF_PRE, NCPR_NUMERO);

-- ---------------------------------------------------------------- applications

-- Applications of customer credits (credit notes, advances, returns) to
-- their debits (invoices, debit notes).
CREATE TABLE APLICACION_CLIENTE (
  APCL_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  APCL_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  APCL_FECHA          DATE NOT NULL,                        -- 3  date of the application
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer
  APCL_DESCRIPCION    VARCHAR(200),                         -- 5  description
  APCL_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 6  value applied
  APCL_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 7  S when voided
  APCL_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 8  S when posted to accounting
  APCL_USUARIO        VARCHAR(10),                          -- 9  user who registered it
  APCL_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 10 registration time
  CONSTRAINT PK_APLICACION_CLIENTE PRIMARY KEY (APCL_ID)
);
CREATE INDEX IX_APLICACION_CLIENTE_NUM ON APLICACION_CLIENTE (PREF_PRE, APCL_NUMERO);

CREATE TABLE APLICACION_CLIENTE_DETALLE (
  APCL_ID          INTEGER NOT NULL,         -- 0  application (header identifier)
  APCD_ITEM        INTEGER NOT NULL,         -- 1  line number
  TIDO_COD         INTEGER NOT NULL,         -- 2  type of the document applied (TIDO_COD)
  APCD_IDDOC       INTEGER,                  -- 3  identifier of that document
  APCD_PREF        VARCHAR(10),              -- 4  its prefix
  APCD_NUMERO      VARCHAR(10),              -- 5  its number
  APCD_NATURALEZA  CHAR(1) DEFAULT 'C',      -- 6  D the document is charged, C it is credited
  APCD_VALOR       NUMERIC(15,2) DEFAULT 0,  -- 7  value applied
  APCD_DESCUENTO   NUMERIC(15,2) DEFAULT 0,  -- 8  discount granted
  APCD_FECVENCE    DATE,                     -- 9  due date of the document
  CONSTRAINT PK_APLICACION_CLIENTE_DETALLE PRIMARY KEY (APCL_ID, APCD_ITEM)
);

-- Applications of supplier credits to their debits.  (The header table is
-- named APLICACION_PROVEDOR; its lines APLICACION_PROVEEDOR_DETALLE.)
CREATE TABLE APLICACION_PROVEDOR (
  APPR_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  APPR_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  APPR_FECHA          DATE NOT NULL,                        -- 3  date of the application
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  supplier
  APPR_DESCRIPCION    VARCHAR(200),                         -- 5  description
  APPR_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 6  value applied
  APPR_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 7  S when voided
  APPR_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 8  S when posted to accounting
  APPR_USUARIO        VARCHAR(10),                          -- 9  user who registered it
  APPR_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 10 registration time
  CONSTRAINT PK_APLICACION_PROVEDOR PRIMARY KEY (APPR_ID)
);
CREATE INDEX IX_APLICACION_PROVEDOR_NUM ON APLICACION_PROVEDOR (PREF_PRE, APPR_NUMERO);

CREATE TABLE APLICACION_PROVEEDOR_DETALLE (
  APPR_ID          INTEGER NOT NULL,         -- 0  application (header identifier)
  APPD_ITEM        INTEGER NOT NULL,         -- 1  line number
  TIDO_COD         INTEGER NOT NULL,         -- 2  type of the document applied (TIDO_COD)
  APPD_IDDOC       INTEGER,                  -- 3  identifier of that document
  APPD_PREF        VARCHAR(10),              -- 4  its prefix
  APPD_NUMERO      VARCHAR(10),              -- 5  its number
  APPD_NATURALEZA  CHAR(1) DEFAULT 'C',      -- 6  D the document is charged, C it is credited
  APPD_VALOR       NUMERIC(15,2) DEFAULT 0,  -- 7  value applied
  APPD_DESCUENTO   NUMERIC(15,2) DEFAULT 0,  -- 8  discount granted
  APPD_FECVENCE    DATE,                     -- 9  due date of the document
  CONSTRAINT PK_APLICACION_PROVEEDOR_DETALLE PRIMARY KEY (APPR_ID, APPD_ITEM)
);

-- ---------------------------------------------------------------- advances

-- Advances received from customers.
CREATE TABLE ANTICIPOS_CLIENTE (
  ANCL_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  ANCL_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  ANCL_FECHA          DATE NOT NULL,                        -- 3  date of the advance
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  customer
  VEND_COD            INTEGER,                              -- 5  seller
  COBR_COD            INTEGER,                              -- 6  collector
  ANCL_CONCEPTO       VARCHAR(10),                          -- 7  concept
  ANCL_DESCRIPCION    VARCHAR(200),                         -- 8  description
  ANCL_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 9  value before tax
  ANCL_IVA            NUMERIC(15,2) DEFAULT 0,              -- 10 VAT
  ANCL_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 11 income tax withheld
  ANCL_RETEIVA        NUMERIC(15,2) DEFAULT 0,              -- 12 VAT withheld
  ANCL_RETEICA        NUMERIC(15,2) DEFAULT 0,              -- 13 local tax withheld
  ANCL_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 14 total of the advance
  ANCL_SALDO          NUMERIC(15,2) DEFAULT 0,              -- 15 balance not yet applied
  CUEN_COD            VARCHAR(20),                          -- 16 account of the advance
  CECO_COD            VARCHAR(10),                          -- 17 cost centre
  ANCL_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 18 S when voided
  ANCL_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 19 S when posted to accounting
  ANCL_USUARIO        VARCHAR(10),                          -- 20 user who registered it
  ANCL_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 21 registration time
  ANCL_FECVENCE       DATE,                                 -- 22 date by which it should be applied
  ANCL_IDRECIBO       INTEGER DEFAULT 0,                    -- 23 cash receipt that received it (RECIBOS_CAJA.RECA_ID), 0 none
  ANCL_OBSERVACION    VARCHAR(200),                         -- 24 remarks
  CONSTRAINT PK_ANTICIPOS_CLIENTE PRIMARY KEY (ANCL_ID)
);
CREATE INDEX IX_ANTICIPOS_CLIENTE_NUM ON ANTICIPOS_CLIENTE (PREF_PRE, ANCL_NUMERO);

-- Advances paid to suppliers.
CREATE TABLE ANTICIPOS_PROVEEDOR (
  ANPR_ID             INTEGER NOT NULL,                     -- 0  identifier
  PREF_PRE            VARCHAR(10) NOT NULL,                 -- 1  prefix
  ANPR_NUMERO         VARCHAR(10) NOT NULL,                 -- 2  number (6 digits)
  ANPR_FECHA          DATE NOT NULL,                        -- 3  date of the advance
  TERC_NIT            VARCHAR(20) NOT NULL,                 -- 4  supplier
  BODE_COD            VARCHAR(5),                           -- 5  warehouse of the goods ordered
  ANPR_CONCEPTO       VARCHAR(10),                          -- 6  concept
  ANPR_DESCRIPCION    VARCHAR(200),                         -- 7  description
  ANPR_VALOR          NUMERIC(15,2) DEFAULT 0,              -- 8  value before tax
  ANPR_IVA            NUMERIC(15,2) DEFAULT 0,              -- 9  VAT
  ANPR_RETEFUENTE     NUMERIC(15,2) DEFAULT 0,              -- 10 income tax withheld
  ANPR_RETEIVA        NUMERIC(15,2) DEFAULT 0,              -- 11 VAT withheld
  ANPR_RETEICA        NUMERIC(15,2) DEFAULT 0,              -- 12 local tax withheld
  ANPR_TOTAL          NUMERIC(15,2) DEFAULT 0,              -- 13 total of the advance
  ANPR_SALDO          NUMERIC(15,2) DEFAULT 0,              -- 14 balance not yet applied
  CUEN_COD            VARCHAR(20),                          -- 15 account of the advance
  CECO_COD            VARCHAR(10),                          -- 16 cost centre
  ANPR_ANULADO        CHAR(1) DEFAULT 'N' NOT NULL,         -- 17 S when voided
  ANPR_CONTABILIZADO  CHAR(1) DEFAULT 'N',                  -- 18 S when posted to accounting
  ANPR_USUARIO        VARCHAR(10),                          -- 19 user who registered it
  ANPR_FECREG         TIMESTAMP DEFAULT CURRENT_TIMESTAMP,  -- 20 registration time
  ANPR_FECVENCE       DATE,                                 -- 21 date by which it should be applied
  ANPR_IDEGRESO       INTEGER DEFAULT 0,                    -- 22 payment voucher that paid it (EGRESOS.EGRE_ID), 0 none
  ANPR_OBSERVACION    VARCHAR(200),                         -- 23 remarks
  CONSTRAINT PK_ANTICIPOS_PROVEEDOR PRIMARY KEY (ANPR_ID)
);
CREATE INDEX IX_ANTICIPOS_PROVEEDOR_NUM ON ANTICIPOS_PROVEEDOR (PREF_PRE, ANPR_NUMERO);
