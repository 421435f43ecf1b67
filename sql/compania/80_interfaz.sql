-- Accounting interface definitions of the modules: how each module's
-- documents are posted.  A definition (header, identified by an integer at
-- position 0) has numbered account rows (<table>_CTAS) keyed by the
-- definition's identifier and an item number at position 1.

-- Interface definitions of banks.
CREATE TABLE INTERFAZ_BANCOS (
  INBA_ID       INTEGER NOT NULL,           -- 0  identifier of the definition
  TIDO_COD      INTEGER,                    -- 1  document type it posts
  INBA_NOMBRE   VARCHAR(60) NOT NULL,       -- 2  name
  TICO_COD      CHAR(3),                    -- 3  voucher type of the vouchers it generates
  PRCO_PREF     VARCHAR(10),                -- 4  prefix of those vouchers
  INBA_NIIF     CHAR(1) DEFAULT 'S',        -- 5  S when it also generates IFRS entries
  INBA_ACTIVA   CHAR(1) DEFAULT 'S',        -- 6  N when no longer used
  INBA_FECCREA  DATE DEFAULT CURRENT_DATE,  -- 7  creation date
  CONSTRAINT PK_INTERFAZ_BANCOS PRIMARY KEY (INBA_ID)
);

CREATE TABLE INTERFAZ_BANCOS_CTAS (
  INBA_ID           INTEGER NOT NULL,          -- 0  definition (header identifier)
  INBC_ITEM         INTEGER NOT NULL,          -- 1  item number
  INBC_CONCEPTO     VARCHAR(20),               -- 2  bank document concept (CH, CB, ND...)
  INBC_DESCRIPCION  VARCHAR(80),               -- 3  what the row posts
  CUEN_COD          VARCHAR(20),               -- 4  account
  CUEN_NIIF         VARCHAR(20),               -- 5  IFRS account
  INBC_NATURALEZA   CHAR(1) DEFAULT 'D',       -- 6  D debit, C credit
  CECO_COD          VARCHAR(10),               -- 7  cost centre
  INBC_PORCENTAJE   NUMERIC(7,4) DEFAULT 100,  -- 8  share of the value posted, %
  INBC_TERCERO      CHAR(1) DEFAULT 'S',       -- 9  S when the entry carries the document's third party
  CONSTRAINT PK_INTERFAZ_BANCOS_CTAS PRIMARY KEY (INBA_ID, INBC_ITEM)
);

-- Interface definitions of cash.
CREATE TABLE INTERFAZ_CAJA (
  INCJ_ID       INTEGER NOT NULL,           -- 0  identifier of the definition
  TIDO_COD      INTEGER,                    -- 1  document type it posts
  INCJ_NOMBRE   VARCHAR(60) NOT NULL,       -- 2  name
  TICO_COD      CHAR(3),                    -- 3  voucher type of the vouchers it generates
  PRCO_PREF     VARCHAR(10),                -- 4  prefix of those vouchers
  INCJ_NIIF     CHAR(1) DEFAULT 'S',        -- 5  S when it also generates IFRS entries
  INCJ_ACTIVA   CHAR(1) DEFAULT 'S',        -- 6  N when no longer used
  INCJ_FECCREA  DATE DEFAULT CURRENT_DATE,  -- 7  creation date
  CONSTRAINT PK_INTERFAZ_CAJA PRIMARY KEY (INCJ_ID)
);

CREATE TABLE INTERFAZ_CAJA_CTAS (
  INCJ_ID           INTEGER NOT NULL,          -- 0  definition (header identifier)
  INJC_ITEM         INTEGER NOT NULL,          -- 1  item number
  INJC_CONCEPTO     VARCHAR(20),               -- 2  cash concept
  INJC_DESCRIPCION  VARCHAR(80),               -- 3  what the row posts
  CUEN_COD          VARCHAR(20),               -- 4  account
  CUEN_NIIF         VARCHAR(20),               -- 5  IFRS account
  INJC_NATURALEZA   CHAR(1) DEFAULT 'D',       -- 6  D debit, C credit
  CECO_COD          VARCHAR(10),               -- 7  cost centre
  INJC_PORCENTAJE   NUMERIC(7,4) DEFAULT 100,  -- 8  share of the value posted, %
  INJC_TERCERO      CHAR(1) DEFAULT 'S',       -- 9  S when the entry carries the document's third party
  CONSTRAINT PK_INTERFAZ_CAJA_CTAS PRIMARY KEY (INCJ_ID, INJC_ITEM)
);

-- Interface definitions of receivables.
CREATE TABLE INTERFAZ_CARTERA (
  INCA_ID       INTEGER NOT NULL,           -- 0  identifier of the definition
  TIDO_COD      INTEGER,                    -- 1  document type it posts
  INCA_NOMBRE   VARCHAR(60) NOT NULL,       -- 2  name
  TICO_COD      CHAR(3),                    -- 3  voucher type of the vouchers it generates
  PRCO_PREF     VARCHAR(10),                -- 4  prefix of those vouchers
  INCA_NIIF     CHAR(1) DEFAULT 'S',        -- 5  S when it also generates IFRS entries
  INCA_ACTIVA   CHAR(1) DEFAULT 'S',        -- 6  N when no longer used
  INCA_FECCREA  DATE DEFAULT CURRENT_DATE,  -- 7  creation date
  CONSTRAINT PK_INTERFAZ_CARTERA PRIMARY KEY (INCA_ID)
);

CREATE TABLE INTERFAZ_CARTERA_CTAS (
  INCA_ID           INTEGER NOT NULL,          -- 0  definition (header identifier)
  INCD_ITEM         INTEGER NOT NULL,          -- 1  item number
  INCD_CONCEPTO     VARCHAR(20),               -- 2  receivables concept
  INCD_DESCRIPCION  VARCHAR(80),               -- 3  what the row posts
  CUEN_COD          VARCHAR(20),               -- 4  account
  CUEN_NIIF         VARCHAR(20),               -- 5  IFRS account
  INCD_NATURALEZA   CHAR(1) DEFAULT 'D',       -- 6  D debit, C credit
  CECO_COD          VARCHAR(10),               -- 7  cost centre
  INCD_PORCENTAJE   NUMERIC(7,4) DEFAULT 100,  -- 8  share of the value posted, %
  INCD_TERCERO      CHAR(1) DEFAULT 'S',       -- 9  S when the entry carries the document's third party
  CONSTRAINT PK_INTERFAZ_CARTERA_CTAS PRIMARY KEY (INCA_ID, INCD_ITEM)
);

-- Interface definitions of purchases.
CREATE TABLE INTERFAZ_COMPRAS (
  INCO_ID       INTEGER NOT NULL,           -- 0  identifier of the definition
  TIDO_COD      INTEGER,                    -- 1  document type it posts
  INCO_NOMBRE   VARCHAR(60) NOT NULL,       -- 2  name
  TICO_COD      CHAR(3),                    -- 3  voucher type of the vouchers it generates
  PRCO_PREF     VARCHAR(10),                -- 4  prefix of those vouchers
  INCO_NIIF     CHAR(1) DEFAULT 'S',        -- 5  S when it also generates IFRS entries
  INCO_ACTIVA   CHAR(1) DEFAULT 'S',        -- 6  N when no longer used
  INCO_FECCREA  DATE DEFAULT CURRENT_DATE,  -- 7  creation date
  CONSTRAINT PK_INTERFAZ_COMPRAS PRIMARY KEY (INCO_ID)
);

CREATE TABLE INTERFAZ_COMPRAS_CTAS (
  INCO_ID           INTEGER NOT NULL,          -- 0  definition (header identifier)
  INCC_ITEM         INTEGER NOT NULL,          -- 1  item number
  INCC_CONCEPTO     VARCHAR(20),               -- 2  purchase concept
  INCC_DESCRIPCION  VARCHAR(80),               -- 3  what the row posts
  CUEN_COD          VARCHAR(20),               -- 4  account
  CUEN_NIIF         VARCHAR(20),               -- 5  IFRS account
  INCC_NATURALEZA   CHAR(1) DEFAULT 'D',       -- 6  D debit, C credit
  CECO_COD          VARCHAR(10),               -- 7  cost centre
  INCC_PORCENTAJE   NUMERIC(7,4) DEFAULT 100,  -- 8  share of the value posted, %
  INCC_TERCERO      CHAR(1) DEFAULT 'S',       -- 9  S when the entry carries the document's third party
  CONSTRAINT PK_INTERFAZ_COMPRAS_CTAS PRIMARY KEY (INCO_ID, INCC_ITEM)
);

-- Interface definitions of payables.
CREATE TABLE INTERFAZ_CXPAGAR (
  INCP_ID       INTEGER NOT NULL,           -- 0  identifier of the definition
  TIDO_COD      INTEGER,                    -- 1  document type it posts
  INCP_NOMBRE   VARCHAR(60) NOT NULL,       -- 2  name
  TICO_COD      CHAR(3),                    -- 3  voucher type of the vouchers it generates
  PRCO_PREF     VARCHAR(10),                -- 4  prefix of those vouchers
  INCP_NIIF     CHAR(1) DEFAULT 'S',        -- 5  S when it also generates IFRS entries
  INCP_ACTIVA   CHAR(1) DEFAULT 'S',        -- 6  N when no longer used
  INCP_FECCREA  DATE DEFAULT CURRENT_DATE,  -- 7  creation date
  CONSTRAINT PK_INTERFAZ_CXPAGAR PRIMARY KEY (INCP_ID)
);

CREATE TABLE INTERFAZ_CXPAGAR_CTAS (
  INCP_ID           INTEGER NOT NULL,          -- 0  definition (header identifier)
  INPC_ITEM         INTEGER NOT NULL,          -- 1  item number
  INPC_CONCEPTO     VARCHAR(20),               -- 2  payables concept
  INPC_DESCRIPCION  VARCHAR(80),               -- 3  what the row posts
  CUEN_COD          VARCHAR(20),               -- 4  account
  CUEN_NIIF         VARCHAR(20),               -- 5  IFRS account
  INPC_NATURALEZA   CHAR(1) DEFAULT 'D',       -- 6  D debit, C credit
  CECO_COD          VARCHAR(10),               -- 7  cost centre
  INPC_PORCENTAJE   NUMERIC(7,4) DEFAULT 100,  -- 8  share of the value posted, %
  INPC_TERCERO      CHAR(1) DEFAULT 'S',       -- 9  S when the entry carries the document's third party
  CONSTRAINT PK_INTERFAZ_CXPAGAR_CTAS PRIMARY KEY (INCP_ID, INPC_ITEM)
);

-- Interface definitions of inventory.
CREATE TABLE INTERFAZ_INVENTARIO (
  ININ_ID       INTEGER NOT NULL,           -- 0  identifier of the definition
  TIDO_COD      INTEGER,                    -- 1  document type it posts
  ININ_NOMBRE   VARCHAR(60) NOT NULL,       -- 2  name
  TICO_COD      CHAR(3),                    -- 3  voucher type of the vouchers it generates
  PRCO_PREF     VARCHAR(10),                -- 4  prefix of those vouchers
  ININ_NIIF     CHAR(1) DEFAULT 'S',        -- 5  S when it also generates IFRS entries
  ININ_ACTIVA   CHAR(1) DEFAULT 'S',        -- 6  N when no longer used
  ININ_FECCREA  DATE DEFAULT CURRENT_DATE,  -- 7  creation date
  CONSTRAINT PK_INTERFAZ_INVENTARIO PRIMARY KEY (ININ_ID)
);

CREATE TABLE INTERFAZ_INVENTARIO_CTAS (
  ININ_ID           INTEGER NOT NULL,          -- 0  definition (header identifier)
  INIC_ITEM         INTEGER NOT NULL,          -- 1  item number
  INIC_CONCEPTO     VARCHAR(20),               -- 2  inventory concept
  INIC_DESCRIPCION  VARCHAR(80),               -- 3  what the row posts
  CUEN_COD          VARCHAR(20),               -- 4  account
  CUEN_NIIF         VARCHAR(20),               -- 5  IFRS account
  INIC_NATURALEZA   CHAR(1) DEFAULT 'D',       -- 6  D debit, C credit
  CECO_COD          VARCHAR(10),               -- 7  cost centre
  INIC_PORCENTAJE   NUMERIC(7,4) DEFAULT 100,  -- 8  share of the value posted, %
  INIC_TERCERO      CHAR(1) DEFAULT 'S',       -- 9  S when the entry carries the document's third party
  CONSTRAINT PK_INTERFAZ_INVENTARIO_CTAS PRIMARY KEY (ININ_ID, INIC_ITEM)
);

-- Interface definitions of sales.
CREATE TABLE INTERFAZ_VENTAS (
  INVE_ID       INTEGER NOT NULL,           -- 0  identifier of the definition
  TIDO_COD      INTEGER,                    -- 1  document type it posts
  INVE_NOMBRE   VARCHAR(60) NOT NULL,       -- 2  name
  TICO_COD      CHAR(3),                    -- 3  voucher type of the vouchers it generates
  PRCO_PREF     VARCHAR(10),                -- 4  prefix of those vouchers
  INVE_NIIF     CHAR(1) DEFAULT 'S',        -- 5  S when it also generates IFRS entries
  INVE_ACTIVA   CHAR(1) DEFAULT 'S',        -- 6  N when no longer used
  INVE_FECCREA  DATE DEFAULT CURRENT_DATE,  -- 7  creation date
  CONSTRAINT PK_INTERFAZ_VENTAS PRIMARY KEY (INVE_ID)
);

CREATE TABLE INTERFAZ_VENTAS_CTAS (
  INVE_ID           INTEGER NOT NULL,          -- 0  definition (header identifier)
  INVC_ITEM         INTEGER NOT NULL,          -- 1  item number
  INVC_CONCEPTO     VARCHAR(20),               -- 2  sales concept
  INVC_DESCRIPCION  VARCHAR(80),               -- 3  what the row posts
  CUEN_COD          VARCHAR(20),               -- 4  account
  CUEN_NIIF         VARCHAR(20),               -- 5  IFRS account
  INVC_NATURALEZA   CHAR(1) DEFAULT 'D',       -- 6  D debit, C credit
  CECO_COD          VARCHAR(10),               -- 7  cost centre
  INVC_PORCENTAJE   NUMERIC(7,4) DEFAULT 100,  -- 8  share of the value posted, %
  INVC_TERCERO      CHAR(1) DEFAULT 'S',       -- 9  S when the entry carries the document's third party
  CONSTRAINT PK_INTERFAZ_VENTAS_CTAS PRIMARY KEY (INVE_ID, INVC_ITEM)
);
